#include "gui/workspace/DialogLook.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>

#include "gui/app/FormLook.h"

namespace tf {

void SetDialogFrame(QDialog& dialog, const QString& caption) {
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  dialog.setWindowTitle(caption);
  ApplyFormLook(dialog);
}

void CentreOnScreen(QWidget& dialog) {
  const QScreen* screen =
      dialog.screen() != nullptr ? dialog.screen() : QApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = dialog.frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  dialog.move(frame.topLeft());
}

void TintInvalid(QWidget& field, bool invalid) {
  QWidget* target = &field;
  if (auto* combo = qobject_cast<QComboBox*>(&field);
      combo != nullptr && combo->lineEdit() != nullptr)
    target = combo->lineEdit();
  QPalette palette = target->palette();
  palette.setColor(QPalette::Base, invalid ? QColor(0xFF, 0xEA, 0xEA)
                                           : QApplication::palette().color(QPalette::Base));
  target->setPalette(palette);
}

QLabel* NewLabel(const QString& text, QWidget* parent, bool bold) {
  auto* label = new QLabel(text, parent);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

QGroupBox* NewRadioGroup(const QString& title, const QStringList& items, QButtonGroup*& group,
                         QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  group = new QButtonGroup(box);
  auto* layout = new QGridLayout(box);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], box);
    group->addButton(button, i);
    layout->addWidget(button, i / 2, i % 2);
  }
  return box;
}

}  // namespace tf

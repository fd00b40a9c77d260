#include "gui/workspace/WorkspaceDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "app/Global.h"
#include "gui/app/FrmDatePicker.h"
#include "gui/workspace/FrmCategoryManagement.h"

namespace tf {
namespace {

std::optional<QString> AskText(QWidget* parent, const QString& title, const QString& prompt) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, {}, &ok);
  if (!ok) return std::nullopt;
  return text;
}

bool Confirm(QWidget* parent, const QString& text) {
  const auto answer = QMessageBox::question(parent, QApplication::applicationName(), text,
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
  return answer != QMessageBox::No;
}

void Inform(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

bool ManageCategories(QWidget* parent) {
  TfrmCategoryManagement dialog(Global(), DesktopDialogs(), parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

const TWorkspaceDialogs& DesktopDialogs() {
  static const TWorkspaceDialogs dialogs{AskText, Confirm, Inform, &TfrmDatePicker::PickDate,
                                         ManageCategories};
  return dialogs;
}

}  // namespace tf

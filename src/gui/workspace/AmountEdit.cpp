#include "gui/workspace/AmountEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "base/Formats.h"
#include "base/SystemNumberFormat.h"
#include "workspace/AmountEntry.h"

namespace tf {
namespace {

bool IsPassedKey(int key) {
  switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return true;
    default:
      return false;
  }
}

}  // namespace

TAmountEdit::TAmountEdit(QWidget* parent) : QLineEdit(parent) {
  // Dropped text would bypass the typing rules.
  setAcceptDrops(false);
}

void TAmountEdit::ReplaceText(const std::string& text) {
  selectAll();
  insert(QString::fromStdString(text));
}

void TAmountEdit::PasteAmount() {
  ReplaceText(PastedAmountText(QApplication::clipboard()->text().toStdString(),
                               SystemNumberFormat().DecimalSeparator));
}

void TAmountEdit::CopyAmount() {
  QApplication::clipboard()->setText(text());
}

void TAmountEdit::NegateAmount() {
  ReplaceText(NegatedAmountText(text().toStdString()));
}

bool TAmountEdit::HasAmount() const {
  // An empty box is zero, as it always was; only a text that reads as no
  // number is refused.
  return text().trimmed().isEmpty() || IsAmountText(text().toStdString());
}

bool TAmountEdit::IsDroppedKey(const QKeyEvent& event) const {
  if (IsPassedKey(event.key())) return false;
  // Control letters type control characters, which are not amount text;
  // Control with the arrows and the like still moves the cursor.
  const bool control = event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
  if (control && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) return true;
  const QString typed = event.text();
  if (typed.isEmpty()) return false;  // movement keys
  for (const QChar c : typed)
    if (!IsAmountCharacter(c.unicode())) return true;
  return false;
}

void TAmountEdit::keyPressEvent(QKeyEvent* event) {
  // Shift+Insert pastes too, and must not bring in raw text either.
  if (event->matches(QKeySequence::Paste)) return PasteAmount();
  if (event->matches(QKeySequence::Copy)) return CopyAmount();
  // Ctrl+A is a control letter too, but selecting all is what it is for.
  if (event->matches(QKeySequence::SelectAll)) return selectAll();
  if (IsDroppedKey(*event)) return event->accept();
  QLineEdit::keyPressEvent(event);
}

void TAmountEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  for (QAction* action : menu->actions()) {
    const QString name = action->objectName();
    if (name == QLatin1String("edit-paste")) {
      action->disconnect();
      connect(action, &QAction::triggered, this, &TAmountEdit::PasteAmount);
    } else if (name == QLatin1String("edit-cut") || name == QLatin1String("edit-undo") ||
               name == QLatin1String("edit-redo")) {
      action->setVisible(false);
    }
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

}  // namespace tf

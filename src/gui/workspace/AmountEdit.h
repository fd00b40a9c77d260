// The amount box of the transaction and account editors: only digits, "-",
// ",", ".", blanks and backspace can be typed; pasting puts in the plain
// number the clipboard text stands for, copying takes the whole text, Ctrl+A
// selects it all.
#pragma once

#include <QLineEdit>

namespace tf {

class TAmountEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TAmountEdit(QWidget* parent = nullptr);

  // The whole text becomes the clipboard's amount in plain decimal form.
  void PasteAmount();
  // The whole text goes to the clipboard.
  void CopyAmount();
  // The text's sign changes; its grouping and decimals stay.
  void NegateAmount();
  // Whether the text reads as an amount (an empty box as zero); the editors
  // refuse Ok otherwise.
  bool HasAmount() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  bool IsDroppedKey(const QKeyEvent& event) const;
  void ReplaceText(const std::string& text);
};

}  // namespace tf

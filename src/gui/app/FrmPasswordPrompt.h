// The password prompt, shown when a protected data file is opened and by
// "Setup Password": one masked edit box, "Ok" and "Cancel".
#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tf {

class TfrmPasswordPrompt : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmPasswordPrompt(const QString& initial, QWidget* parent = nullptr);

  QString Entry() const;

  // Shows the prompt modally: the entry as typed after "Ok", no value after
  // "Cancel" (or Esc, or closing the window).
  static std::optional<std::string> Ask(QWidget* parent, const std::string& initial);

  QLabel* lblHeading;
  QLineEdit* edtPassword;
  QPushButton* btnOk;
  QPushButton* btnCancel;
};

}  // namespace tf

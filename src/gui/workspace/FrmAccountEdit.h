// "Account Details": the modal dialog that edits one account row. The user
// types the current balance, never the starting balance: a changed current
// balance recomputes the starting balance so that the running balance
// arrives at it.
#pragma once

#include <QDialog>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace tf {

class TAccount;
class TAmountEdit;
class TColourCombo;
class TGlobal;
struct TWorkspaceDialogs;

class TfrmAccountEdit : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kBalanceHelp =
      "Entering your current balance after you imported your newest statements\r\n"
      "will correct differences between this application's balance and your bank's balance.";

  TfrmAccountEdit(TGlobal& global, TAccount& account, const TWorkspaceDialogs& dialogs,
                  QWidget* parent = nullptr);

  bool InputValid() const;

  QLabel* lbAccountName;
  QLineEdit* edAccountName;
  QLabel* lbAccountType;
  QComboBox* edAccountType;
  QLabel* lblCurrentBalance;
  TAmountEdit* edtCurrentBalance;
  QToolButton* btnCurrentBalanceHelp;
  QLabel* lbNotes;
  QPlainTextEdit* edNotes;
  QLabel* lblColour;
  TColourCombo* cbxColours;
  QPushButton* btnOk;
  QPushButton* btnCancel;

 public slots:
  void InputChange();
  void btnCurrentBalanceHelpClick();
  void btnOkClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void LoadAccount();
  void StoreAccount();

  TGlobal& Global_;
  TAccount& Account_;
  const TWorkspaceDialogs& Dialogs_;
  std::string LoadedBalance_;
  bool Loaded_ = false;
};

}  // namespace tf

// The capital investment calculator: what a once-off or monthly deposit
// grows to at a rate compounded monthly, or the deposit that reaches a typed
// value at maturity, and the interest earned. Which figure is worked out
// follows the keyboard focus.
#pragma once

#include "gui/calculators/FrmCalculatorBaseDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace tf {

class TfrmCapitalInvestment : public TfrmCalculatorBaseDialog {
  Q_OBJECT

 public:
  explicit TfrmCapitalInvestment(TGlobal& global, QWidget* parent = nullptr);

  void Calculate() override;

  // The help text the window opened with, put back once a figure is found.
  QString SavedHelpText;

  QLabel* lblDeposit;
  QLineEdit* edtInvestAmount;
  QComboBox* cbxDepositType;
  QLabel* lblInterestRate;
  QLineEdit* edtAnnualInterestRate;
  QLabel* lblPercent;
  QLabel* lblTerm;
  QComboBox* cbxTermYear;
  QLabel* lblYears;
  QLabel* lblOr;
  QComboBox* cbxTermMonths;
  QLabel* lblMonths;
  QLabel* lblValueAtMaturity;
  QLineEdit* edtValueAtMaturity;
  QLabel* lblInterestEarned;
  QLineEdit* edtInterestEarned;
  QPlainTextEdit* mmoHelp;

 public slots:
  void InputChange();
  void cbxTermMonthsChange();
  void cbxTermYearChange();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void Connect();
  void FollowMonths();
  void ShowMessage(const char* message);
};

}  // namespace tf

// The personal loan calculator: the monthly repayment from the loan amount,
// the amount from a typed repayment, or the term when the repayment is
// stepped with Up and Down; and the month-by-month repayment schedule as an
// HTML document. Which figure is worked out follows the keyboard focus.
#pragma once

#include "gui/calculators/CalculatorDialogs.h"
#include "gui/calculators/FrmCalculatorBaseDialog.h"

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tf {

enum class TLoanHelp;

class TfrmPersonalLoanCalc : public TfrmCalculatorBaseDialog {
  Q_OBJECT

 public:
  TfrmPersonalLoanCalc(TGlobal& global, const TCalculatorDialogs& dialogs,
                       QWidget* parent = nullptr);

  void Calculate() override;

  // The help text the window opened with, put back once a term is found.
  QString SavedHelpText;

  QLabel* lblLoanAmount;
  QLineEdit* edtLoanAmount;
  QLabel* lblInterestRate;
  QLineEdit* edtAnnualInterestRate;
  QLabel* lblPercent;
  QLabel* lblTerm;
  QComboBox* cbxTermYear;
  QLabel* lblYears;
  QLabel* lblOr;
  QComboBox* cbxTermMonths;
  QLabel* lblMonths;
  QLabel* lblRepayments;
  QLineEdit* edtRepayments;
  QLabel* lblTotalRepayments;
  QLineEdit* edtTotalRepayments;
  QPlainTextEdit* mmoHelp;
  QGroupBox* grpRepaymentSchedule;
  QLabel* lblStartDate;
  QDateEdit* dtpStartDate;
  QPushButton* btnRepaymentschedule;

 public slots:
  void InputChange();
  void cbxTermMonthsChange();
  void cbxTermYearChange();
  // Writes the schedule, asks where to keep it and opens it.
  void btnRepaymentscheduleClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void Connect();
  void edtAnnualInterestRateKeyUp(const QKeyEvent& key);
  void edtRepaymentsKeyUp(const QKeyEvent& key);
  void ShowHelp(TLoanHelp help);
  void FollowMonths();

  const TCalculatorDialogs& Dialogs_;
  // Up or Down in the repayment box silences its change event for a moment,
  // which tells Calculate to work out the term.
  bool RepaymentsChangeDetached_ = false;
};

}  // namespace tf

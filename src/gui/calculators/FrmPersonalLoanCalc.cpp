#include "gui/calculators/FrmPersonalLoanCalc.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calculators/CalcResult.h"
#include "calculators/CalculatorError.h"
#include "calculators/LoanCalculation.h"
#include "calculators/LoanScheduleDocument.h"
#include "calculators/RepaymentSchedule.h"
#include "gui/app/DateConversion.h"
#include "gui/app/DesktopServices.h"
#include "reports/ReportFileName.h"

namespace tf {
namespace {

constexpr int kPerYear = 12;

const QStringList kHelpLines = {
    QStringLiteral("This calculator can calculate 3 values; if you enter a \u201CLoan Amount\u201D "
                   "it will "),
    QStringLiteral("calculate the Monthly Repayment. If you enter a \u201CMonthly Repayment\u201D "
                   "it will "),
    QStringLiteral("calculate the \u201CLoan Amount\u201D. If you press the up or down key while "
                   "you are in the "),
    QStringLiteral("\u201CMonthly Repayment\u201D box it will calculate the term of the loan."),
};

bool IsUpOrDown(const QKeyEvent& key) {
  return key.key() == Qt::Key_Up || key.key() == Qt::Key_Down;
}

}  // namespace

TfrmPersonalLoanCalc::TfrmPersonalLoanCalc(TGlobal& global, const TCalculatorDialogs& dialogs,
                                           QWidget* parent)
    : TfrmCalculatorBaseDialog(global, parent), Dialogs_(dialogs) {
  setObjectName(QStringLiteral("frmPersonalLoanCalc"));
  setWindowTitle(QStringLiteral("Personal Loan"));
  BuildControls();
  BuildLayout();
  FillNumberCombo(*cbxTermYear, 1, 30);
  FillNumberCombo(*cbxTermMonths, 6, 120);
  WriteComboNumber(*cbxTermYear, MonthsToYears(ComboNumber(*cbxTermMonths, 12)));
  WriteComboNumber(*cbxTermMonths, 12);
  edtAnnualInterestRate->setText(TrimmedText(edtAnnualInterestRate->text()));
  SavedHelpText = mmoHelp->toPlainText();
  dtpStartDate->setDate(QDate::currentDate());
  Connect();
  Calculate();
}

void TfrmPersonalLoanCalc::BuildControls() {
  lblLoanAmount = new QLabel(QStringLiteral("Loan Amount :"), this);
  edtLoanAmount = NewAmountBox();
  lblInterestRate = new QLabel(QStringLiteral("Interest Rate :"), this);
  edtAnnualInterestRate = NewAmountBox();
  edtAnnualInterestRate->setText(QStringLiteral("10"));
  lblPercent = new QLabel(QStringLiteral("%"), this);
  lblTerm = new QLabel(QStringLiteral("Term :"), this);
  cbxTermYear = NewTermBox();
  lblYears = new QLabel(QStringLiteral("Year(s)"), this);
  lblOr = new QLabel(QStringLiteral(" or "), this);
  cbxTermMonths = NewTermBox();
  lblMonths = new QLabel(QStringLiteral("Months"), this);
  lblRepayments = new QLabel(QStringLiteral("Monthly Repayment :"), this);
  edtRepayments = NewAmountBox();
  lblTotalRepayments = new QLabel(QStringLiteral("Total Repayments :"), this);
  edtTotalRepayments = NewAmountBox(true);
  mmoHelp = NewHelpMemo(kHelpLines);
  grpRepaymentSchedule = new QGroupBox(QStringLiteral("Repayment Schedule"), this);
  lblStartDate = new QLabel(QStringLiteral("Start Date :"), grpRepaymentSchedule);
  dtpStartDate = new QDateEdit(grpRepaymentSchedule);
  dtpStartDate->setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
  dtpStartDate->setDisplayFormat(QStringLiteral("dd MMM yyyy"));
  dtpStartDate->setCalendarPopup(true);
  btnRepaymentschedule =
      new QPushButton(QStringLiteral("Generate Repayment Schedule"), grpRepaymentSchedule);
  btnRepaymentschedule->setEnabled(false);
  for (QLabel* label : {lblLoanAmount, lblInterestRate, lblTerm, lblRepayments, lblTotalRepayments})
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblLoanAmount->setBuddy(edtLoanAmount);
  lblInterestRate->setBuddy(edtAnnualInterestRate);
  lblTerm->setBuddy(cbxTermYear);
  lblRepayments->setBuddy(edtRepayments);
  lblTotalRepayments->setBuddy(edtTotalRepayments);
  lblStartDate->setBuddy(dtpStartDate);
}

void TfrmPersonalLoanCalc::BuildLayout() {
  auto* term = new QHBoxLayout;
  term->setContentsMargins(0, 0, 0, 0);
  for (QWidget* widget :
       std::initializer_list<QWidget*>{cbxTermYear, lblYears, lblOr, cbxTermMonths, lblMonths})
    term->addWidget(widget);
  term->addStretch();
  auto* rate = new QHBoxLayout;
  rate->setContentsMargins(0, 0, 0, 0);
  rate->addWidget(edtAnnualInterestRate);
  rate->addWidget(lblPercent);
  rate->addStretch();

  for (QLineEdit* box : {edtLoanAmount, edtRepayments, edtTotalRepayments}) box->setFixedWidth(150);
  edtAnnualInterestRate->setFixedWidth(80);
  auto* grid = new QGridLayout;
  grid->addWidget(lblLoanAmount, 0, 0);
  grid->addWidget(edtLoanAmount, 0, 1);
  grid->addWidget(lblInterestRate, 1, 0);
  grid->addLayout(rate, 1, 1, 1, 2);
  grid->addWidget(lblTerm, 2, 0);
  grid->addLayout(term, 2, 1, 1, 2);
  grid->addWidget(lblRepayments, 3, 0);
  grid->addWidget(edtRepayments, 3, 1);
  grid->addWidget(lblTotalRepayments, 4, 0);
  grid->addWidget(edtTotalRepayments, 4, 1);
  grid->setColumnStretch(2, 1);

  auto* schedule = new QGridLayout(grpRepaymentSchedule);
  schedule->addWidget(lblStartDate, 0, 0);
  schedule->addWidget(dtpStartDate, 0, 1);
  schedule->addWidget(btnRepaymentschedule, 1, 0, 1, 2);
  schedule->setColumnStretch(2, 1);

  auto* column = new QVBoxLayout;
  column->addLayout(grid);
  column->addWidget(mmoHelp);
  column->addWidget(grpRepaymentSchedule);
  column->addStretch();
  auto* page = new QHBoxLayout(this);
  page->setContentsMargins(16, 16, 16, 16);
  page->addLayout(column, 0);
  page->addStretch(1);
  SetTabOrder({edtLoanAmount, edtAnnualInterestRate, cbxTermYear, cbxTermMonths, edtRepayments,
               edtTotalRepayments, mmoHelp, dtpStartDate, btnRepaymentschedule});
}

void TfrmPersonalLoanCalc::Connect() {
  for (QLineEdit* box : {edtLoanAmount, edtAnnualInterestRate, edtRepayments})
    connect(box, &QLineEdit::textChanged, this, &TfrmPersonalLoanCalc::InputChange);
  connect(cbxTermMonths, &QComboBox::editTextChanged, this,
          &TfrmPersonalLoanCalc::cbxTermMonthsChange);
  connect(cbxTermYear, &QComboBox::editTextChanged, this, &TfrmPersonalLoanCalc::cbxTermYearChange);
  connect(btnRepaymentschedule, &QPushButton::clicked, this,
          &TfrmPersonalLoanCalc::btnRepaymentscheduleClick);
  edtAnnualInterestRate->installEventFilter(this);
  edtRepayments->installEventFilter(this);
}

void TfrmPersonalLoanCalc::InputChange() {
  if (sender() == edtRepayments && RepaymentsChangeDetached_) return;
  Calculate();
}

void TfrmPersonalLoanCalc::cbxTermMonthsChange() {
  FollowMonths();
  Calculate();
}

void TfrmPersonalLoanCalc::cbxTermYearChange() {
  WriteComboNumber(*cbxTermMonths, YearsToMonths(ComboNumber(*cbxTermYear, 1)));
  Calculate();
}

void TfrmPersonalLoanCalc::FollowMonths() {
  WriteComboNumber(*cbxTermYear, MonthsToYears(ComboNumber(*cbxTermMonths, 12)));
}

bool TfrmPersonalLoanCalc::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
    return TfrmCalculatorBaseDialog::eventFilter(watched, event);
  const auto& key = static_cast<const QKeyEvent&>(*event);
  if (event->type() == QEvent::KeyRelease) {
    if (watched == edtAnnualInterestRate) edtAnnualInterestRateKeyUp(key);
    if (watched == edtRepayments) edtRepaymentsKeyUp(key);
  }
  // The arrows belong to the boxes; nothing else may take them as well.
  return IsUpOrDown(key);
}

void TfrmPersonalLoanCalc::edtAnnualInterestRateKeyUp(const QKeyEvent& key) {
  StepValue(*edtAnnualInterestRate, key, 0.5);
}

void TfrmPersonalLoanCalc::edtRepaymentsKeyUp(const QKeyEvent& key) {
  if (!IsUpOrDown(key)) return;
  RepaymentsChangeDetached_ = true;
  StepValue(*edtRepayments, key, 100);
  Calculate();
  RepaymentsChangeDetached_ = false;
}

void TfrmPersonalLoanCalc::Calculate() {
  const TLoanInputs inputs{ReadMemoAmount(*edtLoanAmount), ReadMemoAmount(*edtAnnualInterestRate),
                           ReadMemoAmount(*edtRepayments), ReadComboInteger(*cbxTermMonths)};
  TLoanEdit edit = TLoanEdit::AmountRateOrTerm;
  if (HasInputFocus(*edtRepayments))
    edit = RepaymentsChangeDetached_ ? TLoanEdit::RepaymentStep : TLoanEdit::Repayment;
  const TLoanOutcome outcome = CalculateLoan(inputs, edit);
  if (outcome.Repayment) WriteAmount(*edtRepayments, *outcome.Repayment);
  if (outcome.LoanAmount) WriteAmount(*edtLoanAmount, *outcome.LoanAmount);
  if (outcome.Months) {
    WriteComboNumber(*cbxTermMonths, *outcome.Months);
    FollowMonths();
  }
  ShowHelp(outcome.Help);
  WriteAmount(*edtTotalRepayments, outcome.TotalRepayments);
  btnRepaymentschedule->setEnabled(outcome.ScheduleEnabled);
}

void TfrmPersonalLoanCalc::ShowHelp(TLoanHelp help) {
  const QString beyond = QString::fromLatin1(kBeyondAnyNumber);
  QString text = mmoHelp->toPlainText();
  switch (help) {
    case TLoanHelp::TooSmall:
      text = QString::fromLatin1(kRepaymentTooSmall);
      break;
    case TLoanHelp::BeyondAnyNumber:
      text = beyond;
      break;
    case TLoanHelp::HelpText:
      text = SavedHelpText;
      break;
    case TLoanHelp::Unchanged:
      if (text == beyond) text = SavedHelpText;
      break;
  }
  if (text != mmoHelp->toPlainText()) mmoHelp->setPlainText(text);
}

void TfrmPersonalLoanCalc::btnRepaymentscheduleClick() {
  const int months = ReadComboInteger(*cbxTermMonths);
  TMortgageRecord record;
  try {
    record = BuildRepaymentSchedule(months, kPerYear, ReadMemoAmount(*edtLoanAmount),
                                    ReadMemoAmount(*edtAnnualInterestRate),
                                    FromQDate(dtpStartDate->date()));
  } catch (const TCalculatorError& error) {
    Dialogs_.Warn(this, QStringLiteral("Repayment Schedule"), QString::fromStdString(error.what()));
    return;
  }
  const std::string document = LoanScheduleDocument(record, NumberFormat());
  const std::optional<QString> chosen =
      Dialogs_.ChooseScheduleFile(this, QString::fromLatin1(kLoanScheduleFileName));
  if (!chosen || chosen->isEmpty()) return;
  const QString path = QString::fromStdString(ReportFileName(chosen->toStdString()));
  SaveTextToFile(QString::fromStdString(document), path);
  Dialogs_.Open(path);
}

}  // namespace tf

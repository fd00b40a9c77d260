#include "gui/calculators/FrmCapitalInvestment.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "calculators/InvestmentCalculation.h"

namespace tf {
namespace {

const QStringList kHelpLines = {
    QStringLiteral("This calculator can calculate 2 values; if you enter a \u201CDeposit\u201D it "
                   "will "),
    QStringLiteral("calculate the \u201CValue at maturity\u201D. If you enter a \u201CValue at "
                   "maturity\u201D it will calculate the "),
    QStringLiteral("\u201CDeposit\u201D."),
};

}  // namespace

TfrmCapitalInvestment::TfrmCapitalInvestment(TGlobal& global, QWidget* parent)
    : TfrmCalculatorBaseDialog(global, parent) {
  setObjectName(QStringLiteral("frmCapitalInvestment"));
  setWindowTitle(QStringLiteral("Capital Investment / Annuity"));
  BuildControls();
  BuildLayout();
  FillNumberCombo(*cbxTermYear, 1, 50);
  FillNumberCombo(*cbxTermMonths, 6, 120);
  WriteComboNumber(*cbxTermYear, MonthsToYears(ComboNumber(*cbxTermMonths, 12)));
  WriteComboNumber(*cbxTermMonths, 12);
  edtAnnualInterestRate->setText(TrimmedText(edtAnnualInterestRate->text()));
  SavedHelpText = mmoHelp->toPlainText();
  Connect();
  Calculate();
}

void TfrmCapitalInvestment::BuildControls() {
  lblDeposit = new QLabel(QStringLiteral("Deposit :"), this);
  edtInvestAmount = NewAmountBox();
  cbxDepositType = new QComboBox(this);
  cbxDepositType->addItems({QStringLiteral("Once off"), QStringLiteral("Monthly")});
  cbxDepositType->setCurrentIndex(0);
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
  lblValueAtMaturity = new QLabel(QStringLiteral("Value at maturity :"), this);
  edtValueAtMaturity = NewAmountBox();
  lblInterestEarned = new QLabel(QStringLiteral("Interest Earned :"), this);
  edtInterestEarned = NewAmountBox(true);
  mmoHelp = NewHelpMemo(kHelpLines);
  for (QLabel* label :
       {lblDeposit, lblInterestRate, lblTerm, lblValueAtMaturity, lblInterestEarned})
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lblDeposit->setBuddy(edtInvestAmount);
  lblInterestRate->setBuddy(edtAnnualInterestRate);
  lblTerm->setBuddy(cbxTermYear);
  lblValueAtMaturity->setBuddy(edtValueAtMaturity);
  lblInterestEarned->setBuddy(edtInterestEarned);
}

void TfrmCapitalInvestment::BuildLayout() {
  auto* deposit = new QHBoxLayout;
  deposit->setContentsMargins(0, 0, 0, 0);
  deposit->addWidget(edtInvestAmount);
  deposit->addWidget(cbxDepositType);
  deposit->addStretch();
  auto* rate = new QHBoxLayout;
  rate->setContentsMargins(0, 0, 0, 0);
  rate->addWidget(edtAnnualInterestRate);
  rate->addWidget(lblPercent);
  rate->addStretch();
  auto* term = new QHBoxLayout;
  term->setContentsMargins(0, 0, 0, 0);
  for (QWidget* widget :
       std::initializer_list<QWidget*>{cbxTermYear, lblYears, lblOr, cbxTermMonths, lblMonths})
    term->addWidget(widget);
  term->addStretch();

  auto* grid = new QGridLayout;
  grid->addWidget(lblDeposit, 0, 0);
  grid->addLayout(deposit, 0, 1);
  grid->addWidget(lblInterestRate, 1, 0);
  grid->addLayout(rate, 1, 1);
  grid->addWidget(lblTerm, 2, 0);
  grid->addLayout(term, 2, 1);
  grid->addWidget(lblValueAtMaturity, 3, 0);
  grid->addWidget(edtValueAtMaturity, 3, 1, Qt::AlignLeft);
  grid->addWidget(lblInterestEarned, 4, 0);
  grid->addWidget(edtInterestEarned, 4, 1, Qt::AlignLeft);
  const int boxWidth = 150;
  for (QLineEdit* box : {edtInvestAmount, edtValueAtMaturity, edtInterestEarned})
    box->setFixedWidth(boxWidth);
  edtAnnualInterestRate->setFixedWidth(80);

  auto* column = new QVBoxLayout;
  column->addLayout(grid);
  column->addWidget(mmoHelp);
  column->addStretch();
  auto* page = new QHBoxLayout(this);
  page->setContentsMargins(16, 16, 16, 16);
  page->addLayout(column, 0);
  page->addStretch(1);
  SetTabOrder({edtInvestAmount, cbxDepositType, edtAnnualInterestRate, cbxTermYear, cbxTermMonths,
               edtValueAtMaturity, edtInterestEarned, mmoHelp});
}

void TfrmCapitalInvestment::Connect() {
  for (QLineEdit* box : {edtInvestAmount, edtAnnualInterestRate, edtValueAtMaturity})
    connect(box, &QLineEdit::textChanged, this, &TfrmCapitalInvestment::InputChange);
  connect(cbxDepositType, &QComboBox::currentIndexChanged, this,
          &TfrmCapitalInvestment::InputChange);
  connect(cbxTermMonths, &QComboBox::editTextChanged, this,
          &TfrmCapitalInvestment::cbxTermMonthsChange);
  connect(cbxTermYear, &QComboBox::editTextChanged, this,
          &TfrmCapitalInvestment::cbxTermYearChange);
  edtAnnualInterestRate->installEventFilter(this);
}

void TfrmCapitalInvestment::InputChange() {
  Calculate();
}

void TfrmCapitalInvestment::cbxTermMonthsChange() {
  FollowMonths();
  Calculate();
}

void TfrmCapitalInvestment::cbxTermYearChange() {
  WriteComboNumber(*cbxTermMonths, YearsToMonths(ComboNumber(*cbxTermYear, 1)));
  Calculate();
}

void TfrmCapitalInvestment::FollowMonths() {
  WriteComboNumber(*cbxTermYear, MonthsToYears(ComboNumber(*cbxTermMonths, 12)));
}

bool TfrmCapitalInvestment::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edtAnnualInterestRate ||
      (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
    return TfrmCalculatorBaseDialog::eventFilter(watched, event);
  const auto& key = static_cast<const QKeyEvent&>(*event);
  if (event->type() == QEvent::KeyRelease) StepValue(*edtAnnualInterestRate, key, 0.5);
  return key.key() == Qt::Key_Up || key.key() == Qt::Key_Down;
}

void TfrmCapitalInvestment::Calculate() {
  const TInvestmentInputs inputs{
      ReadMemoAmount(*edtInvestAmount), ReadMemoAmount(*edtAnnualInterestRate),
      ReadMemoAmount(*edtValueAtMaturity), ReadComboInteger(*cbxTermMonths)};
  const TDepositKind kind =
      cbxDepositType->currentIndex() == 1 ? TDepositKind::Monthly : TDepositKind::OnceOff;
  const TInvestmentOutcome outcome =
      CalculateInvestment(inputs, kind, HasInputFocus(*edtValueAtMaturity));
  if (outcome.ValueAtMaturity) WriteAmount(*edtValueAtMaturity, *outcome.ValueAtMaturity);
  if (outcome.Deposit) WriteAmount(*edtInvestAmount, *outcome.Deposit);
  WriteAmount(*edtInterestEarned, outcome.InterestEarned);
  ShowMessage(outcome.Message);
}

void TfrmCapitalInvestment::ShowMessage(const char* message) {
  const QString text = message ? QString::fromLatin1(message) : SavedHelpText;
  if (text != mmoHelp->toPlainText()) mmoHelp->setPlainText(text);
}

}  // namespace tf

// The capital investment calculator driven through its boxes: a once-off or
// monthly deposit grown to its value, the deposit for a typed value, the
// kind switched, deposits without interest and a value in no time.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "CalculatorGuiSupport.h"
#include "calculators/CalcResult.h"
#include "calculators/InvestmentCalculation.h"
#include "gui/app/Application.h"
#include "gui/calculators/FrmCapitalInvestment.h"

using namespace tf;
using namespace tf::test;

class InvestmentCalculatorTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TCalculatorContext> Context_;
  std::unique_ptr<TfrmCapitalInvestment> Calc_;

  QString Help() const { return Calc_->mmoHelp->toPlainText(); }
  QString Value() const { return Calc_->edtValueAtMaturity->text(); }
  QString Deposit() const { return Calc_->edtInvestAmount->text(); }
  QString Interest() const { return Calc_->edtInterestEarned->text(); }

  void ChooseMonthly() {
    Calc_->cbxDepositType->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Calc_->cbxDepositType, Qt::Key_Down);
    QCOMPARE(Calc_->cbxDepositType->currentText(), QStringLiteral("Monthly"));
  }

 private slots:
  void init() {
    Context_ = std::make_unique<TCalculatorContext>();
    Calc_ = std::make_unique<TfrmCapitalInvestment>(Global());
    QVERIFY(ShowActive(*Calc_));
  }
  void cleanup() {
    Calc_.reset();
    static_cast<TApplication*>(qApp)->SetErrorHandler({});
    Context_.reset();
  }

  void opensWithTheStatedControls() {
    QCOMPARE(Calc_->windowTitle(), QStringLiteral("Capital Investment / Annuity"));
    QCOMPARE(Calc_->cbxDepositType->count(), 2);
    QCOMPARE(Calc_->cbxDepositType->itemText(0), QStringLiteral("Once off"));
    QCOMPARE(Calc_->cbxDepositType->itemText(1), QStringLiteral("Monthly"));
    QCOMPARE(Calc_->cbxDepositType->currentIndex(), 0);
    QVERIFY(!Calc_->cbxDepositType->isEditable());
    QCOMPARE(Calc_->edtAnnualInterestRate->text(), QStringLiteral("10"));
    QCOMPARE(Calc_->cbxTermYear->count(), 50);
    QCOMPARE(Calc_->cbxTermYear->currentText(), QStringLiteral("1"));
    QCOMPARE(Calc_->cbxTermMonths->count(), 115);
    QCOMPARE(Calc_->cbxTermMonths->currentText(), QStringLiteral("12"));
    QVERIFY(Calc_->edtInterestEarned->isReadOnly());
    QCOMPARE(Help(),
             QStringLiteral(
                 "This calculator can calculate 2 values; if you enter a \u201CDeposit\u201D "
                 "it will \ncalculate the \u201CValue at maturity\u201D. If you enter a "
                 "\u201CValue at maturity\u201D it will calculate the \n\u201CDeposit\u201D."));
    for (const QString& caption : {"Deposit :", "Interest Rate :", "%", "Term :", "Year(s)", " or ",
                                   "Months", "Value at maturity :", "Interest Earned :"}) {
      bool found = false;
      for (QLabel* label : Calc_->findChildren<QLabel*>())
        found = found || label->text() == caption;
      QVERIFY2(found, qPrintable(caption));
    }
  }

  // 100 (1 + 0.1 / 12)^12 = 110.4713...
  void onceOffDepositGrows() {
    TypeInto(*Calc_->edtInvestAmount, QStringLiteral("100"));
    QCOMPARE(Value(), QStringLiteral("110.47"));
    QCOMPARE(Interest(), QStringLiteral("10.47"));
    QCOMPARE(Deposit(), QStringLiteral("100"));  // as typed
  }

  // 10 (1.01^12 - 1) / 0.01 = 126.8250...
  void monthlyDepositsGrow() {
    ChooseMonthly();
    TypeInto(*Calc_->edtAnnualInterestRate, QStringLiteral("12"));
    TypeInto(*Calc_->edtInvestAmount, QStringLiteral("10"));
    QCOMPARE(Value(), QStringLiteral("126.83"));
    QCOMPARE(Interest(), QStringLiteral("6.83"));
  }

  void typedValueGivesTheDeposit() {
    TypeInto(*Calc_->edtValueAtMaturity, QStringLiteral("1000"));
    QCOMPARE(Deposit(), QStringLiteral("905.21"));
    QCOMPARE(Interest(), QStringLiteral("94.79"));
    QCOMPARE(Value(), QStringLiteral("1000"));  // as typed
    ChooseMonthly();
    TypeInto(*Calc_->edtAnnualInterestRate, QStringLiteral("12"));
    TypeInto(*Calc_->edtValueAtMaturity, QStringLiteral("126.83"));
    QCOMPARE(Deposit(), QStringLiteral("10.00"));
    QCOMPARE(Interest(), QStringLiteral("6.83"));
  }

  // 100 a month at 10 % grows to 1,256.56 in a year.
  void switchingTheKindRecalculates() {
    TypeInto(*Calc_->edtInvestAmount, QStringLiteral("100"));
    ChooseMonthly();
    QCOMPARE(Value(), QStringLiteral("1,256.56"));
    QCOMPARE(Interest(), QStringLiteral("56.56"));
    QTest::keyClick(Calc_->cbxDepositType, Qt::Key_Up);
    QCOMPARE(Value(), QStringLiteral("110.47"));
  }

  void yearsFollowTheMonthsAndBack() {
    TypeInto(*Calc_->edtInvestAmount, QStringLiteral("100"));
    TypeInto(*Calc_->cbxTermYear, QStringLiteral("40"));
    QCOMPARE(Calc_->cbxTermMonths->currentText(), QStringLiteral("480"));
    TypeInto(*Calc_->cbxTermMonths, QStringLiteral("24"));
    QCOMPARE(Calc_->cbxTermYear->currentText(), QStringLiteral("2"));
    QCOMPARE(Value(), QStringLiteral("122.04"));
  }

  void arrowsInRateStepByHalfAPoint() {
    TypeInto(*Calc_->edtInvestAmount, QStringLiteral("100"));
    PressKey(*Calc_->edtAnnualInterestRate, Qt::Key_Up);
    QCOMPARE(Calc_->edtAnnualInterestRate->text(), QStringLiteral("10.50"));
    QCOMPARE(Value(), QStringLiteral("111.02"));
    PressKey(*Calc_->edtAnnualInterestRate, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(Calc_->edtAnnualInterestRate->text(), QStringLiteral("10.25"));
    PressKey(*Calc_->edtAnnualInterestRate, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(Calc_->edtAnnualInterestRate->text(), QStringLiteral("10.00"));
    QCOMPARE(Value(), QStringLiteral("110.47"));
  }

  // Without interest monthly deposits add up instead of giving 0.
  void monthlyDepositsWithoutInterestAddUp() {
    ChooseMonthly();
    TypeInto(*Calc_->edtAnnualInterestRate, QStringLiteral("0"));
    TypeInto(*Calc_->edtInvestAmount, QStringLiteral("10"));
    QCOMPARE(Value(), QStringLiteral("120.00"));
    QCOMPARE(Interest(), QStringLiteral("0.00"));
    TypeInto(*Calc_->edtValueAtMaturity, QStringLiteral("1500"));
    QCOMPARE(Deposit(), QStringLiteral("125.00"));
    QCOMPARE(Interest(), QStringLiteral("0.00"));
    QCOMPARE(Help(), Calc_->SavedHelpText);
  }

  void onceOffWithoutInterestKeepsTheDeposit() {
    TypeInto(*Calc_->edtAnnualInterestRate, QStringLiteral("0"));
    TypeInto(*Calc_->edtInvestAmount, QStringLiteral("100"));
    QCOMPARE(Value(), QStringLiteral("100.00"));
    QCOMPARE(Interest(), QStringLiteral("0.00"));
  }

  // Monthly deposits cannot reach a value in no time: a message, no figure.
  void valueInNoTimeIsExplained() {
    ChooseMonthly();
    TypeInto(*Calc_->cbxTermMonths, QStringLiteral("0"));
    TypeInto(*Calc_->edtValueAtMaturity, QStringLiteral("1000"));
    QCOMPARE(Help(), QString::fromLatin1(kTermTooShort));
    QCOMPARE(Deposit(), QStringLiteral("0.00"));
    QCOMPARE(Interest(), QStringLiteral("0.00"));
    TypeInto(*Calc_->cbxTermMonths, QStringLiteral("12"));
    TypeInto(*Calc_->edtValueAtMaturity, QStringLiteral("1000"));
    QCOMPARE(Help(), Calc_->SavedHelpText);
    QCOMPARE(Deposit(), QStringLiteral("79.58"));
  }

  void growthBeyondAnyNumberIsExplained() {
    TypeInto(*Calc_->edtAnnualInterestRate, QStringLiteral("10000"));
    TypeInto(*Calc_->cbxTermMonths, QStringLiteral("10000"));
    TypeInto(*Calc_->edtInvestAmount, QStringLiteral("100"));
    QCOMPARE(Help(), QString::fromLatin1(kBeyondAnyNumber));
    QCOMPARE(Value(), QStringLiteral("0.00"));
    TypeInto(*Calc_->edtAnnualInterestRate, QStringLiteral("10"));
    QCOMPARE(Help(), Calc_->SavedHelpText);
  }

  void tabFollowsReadingOrder() {
    const QList<QWidget*> expected = {
        Calc_->edtInvestAmount,   Calc_->cbxDepositType, Calc_->edtAnnualInterestRate,
        Calc_->cbxTermYear,       Calc_->cbxTermMonths,  Calc_->edtValueAtMaturity,
        Calc_->edtInterestEarned, Calc_->mmoHelp,        Calc_->edtInvestAmount};
    QCOMPARE(TabVisits(*Calc_->edtInvestAmount, expected.size()), expected);
  }
};

TF_GUI_TEST_MAIN(InvestmentCalculatorTest)
#include "InvestmentCalculatorTest.moc"

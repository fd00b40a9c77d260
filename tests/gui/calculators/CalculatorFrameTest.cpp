// The calculators page: its two tabs hosting the calculators, the number
// operations the calculators share, and the page in the main window.
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "CalculatorGuiSupport.h"
#include "gui/app/Application.h"
#include "gui/app/MainPages.h"
#include "gui/calculators/FrmCalcMain.h"
#include "gui/calculators/FrmCapitalInvestment.h"
#include "gui/calculators/FrmPersonalLoanCalc.h"

using namespace tf;
using namespace tf::test;

class CalculatorFrameTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TCalculatorContext> Context_;

 private slots:
  void init() { Context_ = std::make_unique<TCalculatorContext>(); }
  void cleanup() {
    static_cast<TApplication*>(qApp)->SetErrorHandler({});
    Context_.reset();
  }

  void hostsBothCalculatorsInTheirTabs() {
    TfrmCalcMain page(Global(), DesktopCalculatorDialogs());
    QVERIFY(ShowActive(page));
    QCOMPARE(page.windowTitle(), QStringLiteral("Fin Calc"));
    QCOMPARE(page.pagMain->count(), 2);
    QCOMPARE(page.pagMain->tabText(0), QStringLiteral("Loan Calculation"));
    QCOMPARE(page.pagMain->tabText(1), QStringLiteral("Capital Investment / Annuity"));
    for (int i = 0; i < 2; ++i) QCOMPARE(page.pagMain->tabBar()->tabRect(i).size(), QSize(200, 40));
    QCOMPARE(page.pagMain->widget(0), page.tabPersonalLoadRepayments);
    QCOMPARE(page.PersonalLoan->parentWidget(), page.tabPersonalLoadRepayments);
    QCOMPARE(page.CapitalInvestment->parentWidget(), page.tabCaptitalInvestment);
    QVERIFY(!page.PersonalLoan->isWindow());
    QCOMPARE(page.Calculators.size(), std::size_t(2));
    QVERIFY(page.PersonalLoan->isVisible());
    QCOMPARE(page.PersonalLoan->size(), page.tabPersonalLoadRepayments->size());
    // Hosting again neither lists it twice nor loses it.
    page.HostCalculator(page.PersonalLoan, page.tabPersonalLoadRepayments);
    QCOMPARE(page.Calculators.size(), std::size_t(2));
    page.pagMain->setCurrentIndex(1);
    QVERIFY(page.CapitalInvestment->isVisible());
  }

  // The figures typed into one calculator stay while the other is used.
  void figuresStayWhenSwitchingTabs() {
    TfrmCalcMain page(Global(), DesktopCalculatorDialogs());
    QVERIFY(ShowActive(page));
    TypeInto(*page.PersonalLoan->edtLoanAmount, QStringLiteral("10000"));
    page.pagMain->setCurrentIndex(1);
    TypeInto(*page.CapitalInvestment->edtInvestAmount, QStringLiteral("100"));
    page.pagMain->setCurrentIndex(0);
    QCOMPARE(page.PersonalLoan->edtRepayments->text(), QStringLiteral("879.16"));
    QCOMPARE(page.CapitalInvestment->edtValueAtMaturity->text(), QStringLiteral("110.47"));
  }

  void mainWindowHostsThePage() {
    QWidget parent;
    const TWorkspacePage page = DefaultMainPages(Global()).Calculators(&parent);
    QVERIFY(qobject_cast<TfrmCalcMain*>(page.Widget) != nullptr);
    QCOMPARE(page.Widget->parentWidget(), &parent);
  }

  void monthsAndYears() {
    QCOMPARE(TfrmCalculatorBaseDialog::MonthsToYears(30), 2);
    QCOMPARE(TfrmCalculatorBaseDialog::MonthsToYears(11), 0);
    QCOMPARE(TfrmCalculatorBaseDialog::YearsToMonths(3), 36);
  }

  void readComboIntegerRoundsHalvesToEven() {
    QComboBox box;
    box.setEditable(true);
    const std::pair<const char*, int> cases[] = {{"12.5", 12}, {"13.5", 14}, {"", 0},
                                                 {"12.6", 13}, {"abc", 0},   {" 24 ", 24}};
    for (const auto& [text, expected] : cases) {
      box.setEditText(QString::fromLatin1(text));
      QCOMPARE(TfrmCalculatorBaseDialog::ReadComboInteger(box), expected);
    }
  }

  void fillNumberComboListsTheRange() {
    QComboBox box;
    box.setEditable(true);
    box.addItem(QStringLiteral("old"));
    box.setEditText(QStringLiteral("typed"));
    TfrmCalculatorBaseDialog::FillNumberCombo(box, 6, 120);
    QCOMPARE(box.count(), 115);
    QCOMPARE(box.itemText(0), QStringLiteral("6"));
    QCOMPARE(box.itemText(114), QStringLiteral("120"));
    QCOMPARE(box.currentText(), QString());
    TfrmCalculatorBaseDialog::FillNumberCombo(box, 5, 4);
    QCOMPARE(box.count(), 0);
  }

  void stepValueWritesTheStepInThePreferenceForm() {
    TfrmCapitalInvestment calc(Global());
    QLineEdit box;
    const QKeyEvent up(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier);
    const QKeyEvent downShift(QEvent::KeyRelease, Qt::Key_Down, Qt::ShiftModifier);
    const QKeyEvent other(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
    calc.StepValue(box, up, 0.5);
    QCOMPARE(box.text(), QStringLiteral("0.50"));
    box.setText(QString());
    calc.StepValue(box, downShift, 0.5);
    QCOMPARE(box.text(), QStringLiteral("-0.25"));
    box.setText(QStringLiteral("999.5"));
    calc.StepValue(box, up, 1);
    QCOMPARE(box.text(), QStringLiteral("1,000.50"));
    calc.StepValue(box, other, 1);
    QCOMPARE(box.text(), QStringLiteral("1,000.50"));
    Global().SetThousandSeparator(" ");
    Global().SetDecimalSeparator(",");
    calc.StepValue(box, up, 100);
    QCOMPARE(box.text(), QStringLiteral("1 100,50"));
    QCOMPARE(calc.FormatCalcAmount(1234567.891), QStringLiteral("1 234 567,89"));
  }

  void trimmedText() {
    QCOMPARE(TfrmCalculatorBaseDialog::TrimmedText(QStringLiteral(" \t10 \r\n")),
             QStringLiteral("10"));
  }
};

TF_GUI_TEST_MAIN(CalculatorFrameTest)
#include "CalculatorFrameTest.moc"

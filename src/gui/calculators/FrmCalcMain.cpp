#include "gui/calculators/FrmCalcMain.h"

#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/app/FormLook.h"
#include "gui/calculators/FrmCapitalInvestment.h"
#include "gui/calculators/FrmPersonalLoanCalc.h"

namespace tf {
namespace {

// Every tab 200 by 40 pixels, whatever its caption.
class TFixedTabBar : public QTabBar {
 public:
  using QTabBar::QTabBar;

 protected:
  QSize tabSizeHint(int) const override { return {200, 40}; }
  QSize minimumTabSizeHint(int) const override { return {200, 40}; }
};

class TCalculatorTabs : public QTabWidget {
 public:
  explicit TCalculatorTabs(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new TFixedTabBar(this));
  }
};

}  // namespace

TfrmCalcMain::TfrmCalcMain(TGlobal& global, const TCalculatorDialogs& dialogs, QWidget* parent)
    : QWidget(parent) {
  setObjectName(QStringLiteral("frmCalcMain"));
  setWindowTitle(QStringLiteral("Fin Calc"));
  ApplyFormLook(*this);
  pagMain = new TCalculatorTabs(this);
  tabPersonalLoadRepayments = new QWidget;
  tabCaptitalInvestment = new QWidget;
  pagMain->addTab(tabPersonalLoadRepayments, QStringLiteral("Loan Calculation"));
  pagMain->addTab(tabCaptitalInvestment, QStringLiteral("Capital Investment / Annuity"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pagMain);
  PersonalLoan = new TfrmPersonalLoanCalc(global, dialogs);
  HostCalculator(PersonalLoan, tabPersonalLoadRepayments);
  CapitalInvestment = new TfrmCapitalInvestment(global);
  HostCalculator(CapitalInvestment, tabCaptitalInvestment);
}

TfrmCalcMain::~TfrmCalcMain() {
  while (!Calculators.empty()) {
    delete Calculators.back();
    Calculators.pop_back();
  }
}

void TfrmCalcMain::HostCalculator(TfrmCalculatorBaseDialog* calculator, QWidget* sheet) {
  if (std::find(Calculators.begin(), Calculators.end(), calculator) == Calculators.end())
    Calculators.push_back(calculator);
  calculator->setParent(sheet, Qt::Widget);  // no border, no window of its own
  auto* layout = sheet->layout() ? sheet->layout() : new QVBoxLayout(sheet);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(calculator);
  calculator->show();
}

}  // namespace tf

// The "Calculators" page: a tab per calculator, "Loan Calculation" with the
// personal loan calculator and "Capital Investment / Annuity" with the
// capital investment calculator. Made once with the main window, so the
// figures typed in stay while the program runs.
#pragma once

#include <QWidget>
#include <vector>

#include "gui/calculators/CalculatorDialogs.h"

class QTabWidget;

namespace tf {

class TGlobal;
class TfrmCalculatorBaseDialog;
class TfrmCapitalInvestment;
class TfrmPersonalLoanCalc;

class TfrmCalcMain : public QWidget {
  Q_OBJECT

 public:
  TfrmCalcMain(TGlobal& global, const TCalculatorDialogs& dialogs, QWidget* parent = nullptr);
  ~TfrmCalcMain() override;

  // Places a calculator borderless into a tab sheet, filling it.
  void HostCalculator(TfrmCalculatorBaseDialog* calculator, QWidget* sheet);

  QTabWidget* pagMain;
  QWidget* tabPersonalLoadRepayments;
  QWidget* tabCaptitalInvestment;
  TfrmPersonalLoanCalc* PersonalLoan;
  TfrmCapitalInvestment* CapitalInvestment;
  // The hosted calculators, freed last to first with the page.
  std::vector<TfrmCalculatorBaseDialog*> Calculators;
};

}  // namespace tf

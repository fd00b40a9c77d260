#include "budgets/BudgetTotals.h"

#include <stdexcept>

#include "model/Budget.h"

namespace tf {

void TBudgetTotals::Add(const TBudget& line) {
  const TCurrency actual = line.FieldAt(TBudget::fActual)->AsCurrency();
  const TCurrency budgeted = line.FieldAt(TBudget::fMax)->AsCurrency();
  if (line.FieldAt(TBudget::fIncome)->AsBool()) {
    ActualIncome = ActualIncome + actual;
    BudgetedIncome = BudgetedIncome + budgeted;
  } else {
    ActualExpenses = ActualExpenses + actual;
    BudgetedExpenses = BudgetedExpenses + budgeted;
  }
}

TCurrency TBudgetTotals::Cell(int row, int column) const {
  const TCurrency ai = ActualIncome, ae = ActualExpenses, bi = BudgetedIncome,
                  be = BudgetedExpenses;
  const TCurrency cells[3][3] = {
      {ai, ae, ai + ae},
      {bi, -be, bi - be},
      {ai - bi, be + ae, (ai + ae) - (bi - be)},
  };
  if (row < 0 || row > 2 || column < 0 || column > 2) {
    throw std::out_of_range("The budget totals have three rows and three columns.");
  }
  return cells[row][column];
}

TBudgetTotals BudgetTotalsOf(const std::vector<TBudget*>& lines) {
  TBudgetTotals totals;
  for (const TBudget* line : lines) totals.Add(*line);
  return totals;
}

}  // namespace tf

// The totals of a budget month: actual and budgeted sums of the income and
// the expense lines, and the 3 by 3 grid of figures the budget page and the
// budget document show below the lines.
#pragma once

#include <vector>

#include "store/Currency.h"

namespace tf {

class TBudget;

struct TBudgetTotals {
  static constexpr const char* kRowCaptions[3] = {"Actual", "Budgeted", "Difference"};
  static constexpr const char* kColumnCaptions[3] = {"Income", "Expenses", "Balance"};

  TCurrency ActualIncome, ActualExpenses;      // AI, AE: sums of "Actual"
  TCurrency BudgetedIncome, BudgetedExpenses;  // BI, BE: sums of "Max", as entered

  // Adds a line's "Actual" and "Max" to the income or the expense sums.
  void Add(const TBudget& line);

  // Row 0 Actual, 1 Budgeted, 2 Difference; column 0 Income, 1 Expenses,
  // 2 Balance. Budgeted expenses are shown negated, like the expense actuals.
  TCurrency Cell(int row, int column) const;
};

TBudgetTotals BudgetTotalsOf(const std::vector<TBudget*>& lines);

}  // namespace tf

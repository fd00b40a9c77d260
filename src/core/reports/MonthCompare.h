// The arithmetic of the month comparison: the income and expense
// transactions of two calendar months, and the rows of bars that set them
// side by side (all income, income per main category, all expenses,
// expenses per main category), each with the size of the change.
#pragma once

#include <string>
#include <vector>

#include "reports/ChartSeries.h"
#include "store/DateTime.h"

namespace tf {

class TAccount;
class TTransactions;

// The live income and expense transactions of the live `accounts` whose
// calendar date lies in the calendar month of `month`, in table order.
std::vector<const TTransactions*> CollectMonth(const std::vector<const TAccount*>& accounts,
                                               TDateTime month);

// One row of the comparison: the two months' values (spending as positive
// numbers) and the size of their difference.
struct TMonthCompareRow {
  std::string Label;  // "All Income", a main category, "All Expenses"
  double Month1 = 0, Month2 = 0;
  double Difference() const;
};

// The rows in order: "All Income", the income main categories of both months
// merged (sorted ignoring case, each once), "All Expenses", the expense main
// categories likewise. A row without any movement keeps its place.
std::vector<TMonthCompareRow> MonthCompareRows(const std::vector<const TTransactions*>& month1,
                                               const std::vector<const TTransactions*>& month2);

// The three bar series of the comparison: month 1 (titled `month1Title`),
// "Diffrence" and month 2, each with a bar only where its value is not 0,
// labelled with the row's position and label ("3:Food"; "3:Diff" for a
// difference bar).
TChartData MonthCompareChart(const std::vector<TMonthCompareRow>& rows,
                             const std::string& month1Title, const std::string& month2Title);

}  // namespace tf

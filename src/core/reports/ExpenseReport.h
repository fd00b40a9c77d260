// The arithmetic of the expense bar and line reports: the expenses of the
// ticked accounts in a period, the bars per sub-category and main category
// with their colour families and mark texts, and one line per main category
// with a point per calendar month.
#pragma once

#include <string>
#include <vector>

#include "base/GridColors.h"
#include "reports/ChartNumberFormat.h"
#include "reports/ChartSeries.h"
#include "store/DateTime.h"

namespace tf {

class TAccount;
class TTransactions;

// The expense transactions of the live `accounts` whose calendar date lies
// from `from` to `to` inclusive, sorted by the whole Category text ignoring
// case, Z before A. Equal texts stay together, in table order.
std::vector<const TTransactions*> CollectExpenses(const std::vector<const TAccount*>& accounts,
                                                  TDateTime from, TDateTime to);

// One total of the bar report: a sub-category (Main and Sub) or a main
// category (IsMain, Sub empty). Amount is the spending as a positive number.
struct TExpenseTotal {
  std::string Main, Sub;
  double Amount = 0;
  bool IsMain = false;
};

// The totals of `expenses` in the order the bars are read from: main
// categories Z to A ignoring case, each main row before its sub-categories,
// these largest first. A sub-category whose refunds outweigh its spending has
// no row and adds nothing to its main category; a main category without a
// positive total has no row.
std::vector<TExpenseTotal> ExpenseTotals(const std::vector<const TTransactions*>& expenses);

enum class TExpenseBarKind { Sub, Main, Spacer };

struct TExpenseBar {
  TExpenseBarKind Kind = TExpenseBarKind::Spacer;
  std::string Label;  // the sub-category or main-category name; empty for a spacer
  double Value = 0;
  TColor Color = 0;
};

// The bars in drawing order: main category by main category, A to Z, its
// sub-categories smallest first, its main bar, then an empty spacer. Each
// main category has a colour family of the palette: the main bar its darkest
// shade, the sub-categories lighter the smaller they are.
std::vector<TExpenseBar> ExpenseBars(const std::vector<TExpenseTotal>& totals);
std::vector<TExpenseBar> ExpenseBars(const std::vector<const TTransactions*>& expenses);

// The text on a bar: label, its share of `total` and its value, as in
// "Fuel (12.5 %) 1,234.50"; empty for a spacer and for a share that shows
// as 0 %.
std::string ExpenseBarMark(const TExpenseBar& bar, double total,
                           const TChartSeparators& separators = {});
// The whole the shares are taken of: the spending of the period, that is
// the sum of the main-category bars (the sub-category bars count it again).
double ExpenseBarsTotal(const std::vector<TExpenseBar>& bars);

struct TExpenseLinePoint {
  std::string Label;  // the month, "Mar 2024"
  double Value = 0;   // the spending of the month as a positive number
};

struct TExpenseLine {
  std::string Title;  // the main category; empty for uncategorised expenses
  TColor Color = 0;
  std::vector<TExpenseLinePoint> Points;
};

// One line per main category of `expenses` (sorted ignoring case, letter-case
// variants counted as one), each with a point for every calendar month of
// the whole months around `from` and `to`, 0 where nothing was spent. The
// lines take the darkest shades of the palette's groups in turn.
std::vector<TExpenseLine> ExpenseLines(const std::vector<const TTransactions*>& expenses,
                                       TDateTime from, TDateTime to);

// The bars as one series "Expenses" in drawing order, a spacer as a point
// with an empty label and value 0; and the lines as one series each. Every
// point carries its colour.
TChartData ExpenseBarsChart(const std::vector<TExpenseBar>& bars);
TChartData ExpenseLinesChart(const std::vector<TExpenseLine>& lines);

}  // namespace tf

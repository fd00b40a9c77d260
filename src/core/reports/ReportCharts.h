// The figures of the four charts of the reports page, computed from the
// counted accounts and the category list: Income vs. Expenses (bars, the
// top pie and its breakdown by category), Spending by Category (and by
// sub-category), Trends, and This month and last month.
#pragma once

#include <string>
#include <vector>

#include "model/MoneySum.h"
#include "reports/ChartSeries.h"
#include "store/DateTime.h"

namespace tf {

class TAccount;

// What the charts count: the ticked accounts (deleted ones never count) and
// the category list in its order.
struct TChartScope {
  std::vector<const TAccount*> Accounts;
  std::vector<std::string> Categories;
};
// Every live account of the root and the given category list.
TChartScope WholeScope(const TAccount& root, const std::vector<std::string>& categories);

// Year 0 (and month 0): every transaction of every year.
struct TChartPeriod {
  int Year = 0;
  int Month = 0;
  bool AllTransactions() const { return Year == 0; }
};
// The calendar month of a date.
TChartPeriod MonthPeriod(TDateTime date);

// Sum of the counted accounts' live transactions of one type; year, month
// or day 0 means any.
TMoneySum SumByTypeOver(const std::vector<const TAccount*>& accounts, int year, int month, int day,
                        int type);

// A run of adjacent entries of the category list with the same main part
// (compared exactly): entries First to First + Count - 1.
struct TCategoryGroup {
  std::string Main;
  std::size_t First = 0;
  std::size_t Count = 0;
};
std::vector<TCategoryGroup> GroupCategoriesByRuns(const std::vector<std::string>& categories);

// The label of uncategorised transactions in every category pie.
inline constexpr const char* kNoCategoryLabel = "n/a";

// The bar colours of the first chart; the top pie's slices take the first two.
inline constexpr TColor kIncomeColour = 0x0080FF;
inline constexpr TColor kExpensesColour = 0xFF8080;
inline constexpr TColor kTransfersColour = 0xFF8000;

enum class TBreakdownSide { Income, Expenses };
// "Income" or "Expenses", as titles and the chart's tag name the side.
const char* BreakdownSideName(TBreakdownSide side);

// Bar mode: series "Income", "Transfers", "Expenses" over the date's month
// and the two before it, oldest first, labelled "Mar 2026"; expenses and
// outgoing transfers as positive bars.
TChartData IncomeVsExpensesBars(const TChartScope& scope, TDateTime date);
// The top pie: "Income" (income colour) and "Expense" (expense colour)
// slices, each only when not 0.
TChartData IncomeVsExpensesPie(const TChartScope& scope, TChartPeriod period);
// The breakdown pie of one side: with an empty main one slice per main
// category and "n/a"; with a main its sub-categories; with "n/a" the
// uncategorised total. Absolute sums; slices of 0 are left out.
TChartData IncomeExpenseBreakdown(const TChartScope& scope, TChartPeriod period,
                                  TBreakdownSide side, const std::string& main);

// One expense slice per main category and "n/a", coloured from the palette.
TChartData SpendingByCategory(const TChartScope& scope, TChartPeriod period);
// The sub-categories of `main` (or the "n/a" total) in one calendar month.
TChartData SpendingBySubcategory(const TChartScope& scope, TChartPeriod month,
                                 const std::string& main);

// Series "Income", "Expenses", "Transfers" for each month with any movement,
// from the date's month a year back to December of the date's year,
// labelled "Mar". Expenses upward when `expensesUpward` (the iceberg
// button down), else below the axis.
TChartData Trends(const TChartScope& scope, TDateTime date, bool expensesUpward);

// Running daily totals: series "Income for Feb", "Expenses for Feb" (the
// month before), "Expenses for Mar", "Income for Mar" (the compared month),
// labelled "01" to "31". The compared month stops at `today` when the
// compared date is today.
TChartData MonthComparison(const TChartScope& scope, TDateTime compareDate, TDateTime today);

// The label in a legend entry shown as "12.5 % Food": everything up to the
// first "%" and the one character after it dropped, the rest trimmed.
std::string LegendEntryLabel(const std::string& entry);

// The chosen file name for a chart image, with `extension` (".bmp") added
// unless the name already ends with it in any letter case.
std::string ChartImageFileName(const std::string& chosen, const std::string& extension);

// "Mar 2026" and "March 2026".
std::string ShortMonthYear(int year, int month);
std::string LongMonthYear(int year, int month);
// A date moved by whole months, the day of month kept but clipped to the
// target month's length; the time of day is kept.
TDateTime MoveMonths(TDateTime date, int months);

}  // namespace tf

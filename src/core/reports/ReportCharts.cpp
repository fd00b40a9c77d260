#include "reports/ReportCharts.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <set>

#include "base/CategoryList.h"
#include "model/Account.h"
#include "model/Transactions.h"

namespace tf {
namespace {

const char* const kLongMonthNames[12] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};

// Money out as a positive figure; 0 stays 0 rather than -0.
double Negated(double value) {
  return value == 0 ? 0 : -value;
}

bool Counts(const TAccount* account) {
  return account != nullptr && !account->Deleted;
}

// The sums of every selector over the counted accounts, one pass per account.
std::vector<TMoneySum> SumSelectors(const std::vector<const TAccount*>& accounts,
                                    TChartPeriod period, int type,
                                    const std::vector<std::string>& selectors, bool mainOnly) {
  std::vector<TMoneySum> sums(selectors.size());
  for (const TAccount* account : accounts) {
    const TTransactions* table = Counts(account) ? account->TransactionsTable() : nullptr;
    if (table == nullptr) continue;
    const std::vector<TMoneySum> more =
        table->SumCategoriesExact(period.Year, period.Month, 0, type, selectors, mainOnly);
    for (std::size_t i = 0; i < sums.size(); ++i) sums[i].Add(more[i]);
  }
  return sums;
}

void AddSlice(TChartSeries& pie, const std::string& label, const TMoneySum& sum) {
  const double value = std::fabs(sum.ToDouble());
  if (value != 0) pie.Points.push_back({label, value, std::nullopt});
}

// One slice per main category and "n/a". A main whose entries are split
// into several runs is counted once, at its first run: a second slice with
// the same sum would count that money twice in the pie.
TChartSeries MainCategoryPie(const TChartScope& scope, TChartPeriod period, int type,
                             const std::string& title) {
  std::vector<std::string> mains;
  std::set<std::string> seen;
  for (const TCategoryGroup& group : GroupCategoriesByRuns(scope.Categories))
    if (seen.insert(group.Main).second) mains.push_back(group.Main);
  mains.push_back(kSelectUncategorised);
  const std::vector<TMoneySum> sums = SumSelectors(scope.Accounts, period, type, mains, true);
  TChartSeries pie{title, {}};
  for (std::size_t i = 0; i + 1 < mains.size(); ++i) AddSlice(pie, mains[i], sums[i]);
  AddSlice(pie, kNoCategoryLabel, sums.back());
  return pie;
}

// The sub-categories of one main (exact entries), or the uncategorised total.
TChartSeries SubCategoryPie(const TChartScope& scope, TChartPeriod period, int type,
                            const std::string& main, const std::string& title) {
  TChartSeries pie{title, {}};
  if (main == kNoCategoryLabel) {
    const auto sums = SumSelectors(scope.Accounts, period, type, {kSelectUncategorised}, false);
    AddSlice(pie, kNoCategoryLabel, sums[0]);
    return pie;
  }
  std::vector<std::string> entries;
  for (const std::string& entry : scope.Categories)
    if (MainCategoryOf(entry) == main) entries.push_back(entry);
  const std::vector<TMoneySum> sums = SumSelectors(scope.Accounts, period, type, entries, false);
  for (std::size_t i = 0; i < entries.size(); ++i)
    AddSlice(pie, SubCategoryOf(entries[i]), sums[i]);
  return pie;
}

struct TMonthTotals {
  double Income = 0, Expenses = 0, Transfers = 0;
};

TMonthTotals MonthTotals(const std::vector<const TAccount*>& accounts, int year, int month) {
  return {SumByTypeOver(accounts, year, month, 0, ttIncome).ToDouble(),
          SumByTypeOver(accounts, year, month, 0, ttExpense).ToDouble(),
          SumByTypeOver(accounts, year, month, 0, ttTransfer).ToDouble()};
}

// (year, month) moved by whole months.
void StepMonth(int& year, int& month, int months) {
  const int index = year * 12 + (month - 1) + months;
  year = index / 12;
  month = index % 12 + 1;
}

std::string TwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

// Running totals of income and expenses, day by day up to `lastDay`.
void AddRunningTotals(const std::vector<const TAccount*>& accounts, int year, int month,
                      int lastDay, TChartSeries& income, TChartSeries& expenses) {
  TMoneySum in, out;
  for (int day = 1; day <= lastDay; ++day) {
    in.Add(SumByTypeOver(accounts, year, month, day, ttIncome));
    out.Add(SumByTypeOver(accounts, year, month, day, ttExpense));
    income.Points.push_back({TwoDigits(day), in.ToDouble(), std::nullopt});
    expenses.Points.push_back({TwoDigits(day), Negated(out.ToDouble()), std::nullopt});
  }
}

}  // namespace

TChartPeriod MonthPeriod(TDateTime date) {
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  return {year, month};
}

TChartScope WholeScope(const TAccount& root, const std::vector<std::string>& categories) {
  const std::vector<TAccount*> live = LiveAccounts(root);
  return {{live.begin(), live.end()}, categories};
}

TMoneySum SumByTypeOver(const std::vector<const TAccount*>& accounts, int year, int month, int day,
                        int type) {
  TMoneySum sum;
  for (const TAccount* account : accounts)
    if (const TTransactions* table = Counts(account) ? account->TransactionsTable() : nullptr)
      sum.Add(table->SumCategoryExact(year, month, day, type, kSelectAllCategories, false));
  return sum;
}

std::vector<TCategoryGroup> GroupCategoriesByRuns(const std::vector<std::string>& categories) {
  std::vector<TCategoryGroup> groups;
  for (std::size_t i = 0; i < categories.size(); ++i) {
    std::string main = MainCategoryOf(categories[i]);
    if (groups.empty() || groups.back().Main != main) groups.push_back({std::move(main), i, 0});
    ++groups.back().Count;
  }
  return groups;
}

const char* BreakdownSideName(TBreakdownSide side) {
  return side == TBreakdownSide::Income ? "Income" : "Expenses";
}

TChartData IncomeVsExpensesBars(const TChartScope& scope, TDateTime date) {
  TChartData chart{"Income vs. Expenses", {{"Income", {}}, {"Transfers", {}}, {"Expenses", {}}}};
  TChartPeriod month = MonthPeriod(date);
  StepMonth(month.Year, month.Month, -2);
  for (int i = 0; i < 3; ++i, StepMonth(month.Year, month.Month, 1)) {
    const TMonthTotals totals = MonthTotals(scope.Accounts, month.Year, month.Month);
    const std::string label = ShortMonthYear(month.Year, month.Month);
    chart.Series[0].Points.push_back({label, totals.Income, std::nullopt});
    chart.Series[1].Points.push_back({label, Negated(totals.Transfers), std::nullopt});
    chart.Series[2].Points.push_back({label, Negated(totals.Expenses), std::nullopt});
  }
  return chart;
}

TChartData IncomeVsExpensesPie(const TChartScope& scope, TChartPeriod period) {
  TChartData chart{period.AllTransactions()
                       ? "Income vs. Expenses (all transactions)"
                       : "Income vs. Expenses (" + LongMonthYear(period.Year, period.Month) + ")",
                   {{"Income vs Expense (Pie)", {}}}};
  const double income =
      SumByTypeOver(scope.Accounts, period.Year, period.Month, 0, ttIncome).ToDouble();
  const double expenses =
      SumByTypeOver(scope.Accounts, period.Year, period.Month, 0, ttExpense).ToDouble();
  TChartSeries& pie = chart.Series[0];
  if (income != 0) pie.Points.push_back({"Income", income, kIncomeColour});
  if (expenses != 0) pie.Points.push_back({"Expense", Negated(expenses), kExpensesColour});
  return chart;
}

TChartData IncomeExpenseBreakdown(const TChartScope& scope, TChartPeriod period,
                                  TBreakdownSide side, const std::string& main) {
  const std::string sideName = BreakdownSideName(side);
  const int type = side == TBreakdownSide::Income ? ttIncome : ttExpense;
  const std::string seriesTitle = "Income vs Expense (Pie - Main Cats)";
  TChartData chart;
  chart.Title = "Income vs. Expenses (" + sideName + (main.empty() ? "" : " - " + main) + ")";
  chart.Series.push_back(main.empty() ? MainCategoryPie(scope, period, type, seriesTitle)
                                      : SubCategoryPie(scope, period, type, main, seriesTitle));
  // The income side's main categories keep the chart's own slice colours.
  if (!(main.empty() && side == TBreakdownSide::Income)) FormatChartSeriesColours(chart.Series[0]);
  return chart;
}

TChartData SpendingByCategory(const TChartScope& scope, TChartPeriod period) {
  TChartData chart{"Spending by Category", {MainCategoryPie(scope, period, ttExpense, "Category")}};
  FormatChartSeriesColours(chart.Series[0]);
  return chart;
}

TChartData SpendingBySubcategory(const TChartScope& scope, TChartPeriod month,
                                 const std::string& main) {
  TChartData chart{"Spending by Category (" + main + ")",
                   {SubCategoryPie(scope, month, ttExpense, main, "Subcategory")}};
  FormatChartSeriesColours(chart.Series[0]);
  return chart;
}

TChartData Trends(const TChartScope& scope, TDateTime date, bool expensesUpward) {
  TChartData chart{"Trends", {{"Income", {}}, {"Expenses", {}}, {"Transfers", {}}}};
  TChartPeriod month = MonthPeriod(date);
  const int lastYear = month.Year;
  for (StepMonth(month.Year, month.Month, -12); month.Year <= lastYear;
       StepMonth(month.Year, month.Month, 1)) {
    const TMonthTotals totals = MonthTotals(scope.Accounts, month.Year, month.Month);
    if (totals.Income == 0 && totals.Expenses == 0 && totals.Transfers == 0) continue;
    const std::string label = ShortMonthName(month.Month);
    chart.Series[0].Points.push_back({label, totals.Income, std::nullopt});
    chart.Series[1].Points.push_back(
        {label, expensesUpward ? Negated(totals.Expenses) : totals.Expenses, std::nullopt});
    chart.Series[2].Points.push_back({label, Negated(totals.Transfers), std::nullopt});
  }
  return chart;
}

TChartData MonthComparison(const TChartScope& scope, TDateTime compareDate, TDateTime today) {
  int year = 0, month = 0, day = 0;
  DecodeDate(compareDate, year, month, day);
  int previousYear = year, previousMonth = month;
  StepMonth(previousYear, previousMonth, -1);
  const std::string previous = ShortMonthName(previousMonth), current = ShortMonthName(month);
  TChartData chart{LongMonthYear(previousYear, previousMonth) + " vs " + LongMonthYear(year, month),
                   {{"Income for " + previous, {}},
                    {"Expenses for " + previous, {}},
                    {"Expenses for " + current, {}},
                    {"Income for " + current, {}}}};
  const bool isToday = DateOf(compareDate) == DateOf(today);
  AddRunningTotals(scope.Accounts, year, month, isToday ? day : DaysInMonth(year, month),
                   chart.Series[3], chart.Series[2]);
  AddRunningTotals(scope.Accounts, previousYear, previousMonth,
                   DaysInMonth(previousYear, previousMonth), chart.Series[0], chart.Series[1]);
  return chart;
}

std::string LegendEntryLabel(const std::string& entry) {
  const std::size_t percent = entry.find('%');
  std::string label =
      percent == std::string::npos ? entry : entry.substr(std::min(entry.size(), percent + 2));
  const std::size_t first = label.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return label.substr(first, label.find_last_not_of(" \t") - first + 1);
}

std::string ChartImageFileName(const std::string& chosen, const std::string& extension) {
  const std::size_t dot = chosen.find_last_of('.');
  const std::size_t slash = chosen.find_last_of("/\\");
  std::string current = dot == std::string::npos || (slash != std::string::npos && dot < slash)
                            ? ""
                            : chosen.substr(dot);
  std::string wanted = extension;
  for (std::string* text : {&current, &wanted})
    for (char& c : *text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return current == wanted ? chosen : chosen + extension;
}

std::string ShortMonthYear(int year, int month) {
  return std::string(ShortMonthName(month)) + " " + std::to_string(year);
}

std::string LongMonthYear(int year, int month) {
  const char* name = month >= 1 && month <= 12 ? kLongMonthNames[month - 1] : "";
  return std::string(name) + " " + std::to_string(year);
}

TDateTime MoveMonths(TDateTime date, int months) {
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  StepMonth(year, month, months);
  const double time = date - DateOf(date);
  return EncodeDate(year, month, std::min(day, DaysInMonth(year, month))) + time;
}

}  // namespace tf

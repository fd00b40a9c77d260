#include <gtest/gtest.h>

#include <sstream>

#include "FinanceFixture.h"
#include "base/ChartPalette.h"
#include "reports/ReportCharts.h"

namespace tf {
namespace {

using namespace tf::testing;

// "Label value, Label value" with values as plain numbers.
std::string Points(const TChartSeries& series) {
  std::ostringstream text;
  for (const TChartPoint& point : series.Points)
    text << (&point == series.Points.data() ? "" : ", ") << point.Label << ' ' << point.Value;
  return text.str();
}

// Two accounts from December 2025 to March 2026, worked out by hand below.
// The category list ends with a main category that has no sub-category.
struct ReportChartsTest : ::testing::Test {
  TAccount* cheque = nullptr;
  TAccount* card = nullptr;
  TChartScope scope;

  void SetUp() override {
    ClearContext();
    cheque = &AddAccount("Cheque");
    card = &AddAccount("Card");
    AddTransaction(*cheque, "15 Dec 2025", "Pay", "Income - paycheck", "900", ttIncome);
    AddTransaction(*card, "10 Dec 2025", "Shop", "Food - groceries", "-60");
    AddTransaction(*cheque, "05 Jan 2026", "Pay", "Income - paycheck", "1000", ttIncome);
    AddTransaction(*cheque, "10 Jan 2026", "Shop", "Food - groceries", "-200");
    AddTransaction(*card, "10 Feb 2026", "Shop", "Food - groceries", "-100");
    AddTransaction(*cheque, "15 Feb 2026", "Pay", "Income - paycheck", "1000", ttIncome);
    AddTransaction(*cheque, "16 Feb 2026", "Cafe", "Food - dining out", "-50");
    AddTransaction(*cheque, "20 Feb 2026", "Unknown", "", "-30");
    AddTransaction(*cheque, "21 Feb 2026", "To savings", "", "-300", ttTransfer);
    AddTransaction(*cheque, "22 Feb 2026", "Flowers", "Gifts", "-15");  // not in the list
    AddTransaction(*cheque, "23 Feb 2026", "Gone", "Food - groceries", "-999").Deleted = true;
    AddTransaction(*cheque, "01 Mar 2026", "Bank", "Income - interest", "10", ttIncome);
    AddTransaction(*cheque, "03 Mar 2026", "Bus", "Transport", "-80");
    AddTransaction(*cheque, "04 Mar 2026", "Cafe", "Food - dining out", "-20");
    AddTransaction(*cheque, "06 Mar 2026", "Cafe refund", "Food - dining out", "70");
    AddTransaction(*card, "12 Mar 2026", "Shop", "Food - groceries", "-40");
    TransactionsChanged();
    scope = WholeScope(Global().Accounts, {"Food - dining out", "Food - groceries",
                                           "Income - interest", "Income - paycheck", "Transport"});
  }
  void TearDown() override { ClearContext(); }
};

TEST_F(ReportChartsTest, BarsShowThreeMonthsEndingWithTheDatesMonth) {
  const TChartData chart = IncomeVsExpensesBars(scope, EncodeDate(2026, 3, 31));
  EXPECT_EQ(chart.Title, "Income vs. Expenses");
  ASSERT_EQ(chart.Series.size(), 3u);
  EXPECT_EQ(chart.Series[0].Title, "Income");
  EXPECT_EQ(Points(chart.Series[0]), "Jan 2026 1000, Feb 2026 1000, Mar 2026 10");
  EXPECT_EQ(chart.Series[1].Title, "Transfers");
  EXPECT_EQ(Points(chart.Series[1]), "Jan 2026 0, Feb 2026 300, Mar 2026 0");
  EXPECT_EQ(chart.Series[2].Title, "Expenses");
  // February leaves out the deleted row but counts the uncategorised one and
  // the one whose category is not in the list.
  EXPECT_EQ(Points(chart.Series[2]), "Jan 2026 200, Feb 2026 195, Mar 2026 70");
}

TEST_F(ReportChartsTest, BarsCrossTheYearAndCountOnlyTickedAccounts) {
  scope.Accounts = {card};
  const TChartData chart = IncomeVsExpensesBars(scope, EncodeDate(2026, 1, 15));
  EXPECT_EQ(Points(chart.Series[2]), "Nov 2025 0, Dec 2025 60, Jan 2026 0");
  card->Deleted = true;  // a deleted account never counts, ticked or not
  EXPECT_EQ(Points(IncomeVsExpensesBars(scope, EncodeDate(2026, 1, 15)).Series[2]),
            "Nov 2025 0, Dec 2025 0, Jan 2026 0");
}

TEST_F(ReportChartsTest, TopPieOfAMonthAndOfAllTransactions) {
  TChartData chart = IncomeVsExpensesPie(scope, {2026, 2});
  EXPECT_EQ(chart.Title, "Income vs. Expenses (February 2026)");
  EXPECT_EQ(Points(chart.Series[0]), "Income 1000, Expense 195");
  EXPECT_EQ(chart.Series[0].Points[0].Colour, kIncomeColour);
  EXPECT_EQ(chart.Series[0].Points[1].Colour, kExpensesColour);
  chart = IncomeVsExpensesPie(scope, {});
  EXPECT_EQ(chart.Title, "Income vs. Expenses (all transactions)");
  EXPECT_EQ(Points(chart.Series[0]), "Income 2910, Expense 525");
  EXPECT_EQ(Points(IncomeVsExpensesPie(scope, {2026, 4}).Series[0]), "");
}

TEST_F(ReportChartsTest, BreakdownAtMainAndSubCategoryLevel) {
  TChartData chart = IncomeExpenseBreakdown(scope, {}, TBreakdownSide::Income, "");
  EXPECT_EQ(chart.Title, "Income vs. Expenses (Income)");
  EXPECT_EQ(Points(chart.Series[0]), "Income 2910");
  EXPECT_FALSE(chart.Series[0].Points[0].Colour.has_value());  // the chart's own colours

  chart = IncomeExpenseBreakdown(scope, {}, TBreakdownSide::Income, "Income");
  EXPECT_EQ(chart.Title, "Income vs. Expenses (Income - Income)");
  EXPECT_EQ(Points(chart.Series[0]), "interest 10, paycheck 2900");
  EXPECT_EQ(chart.Series[0].Points[1].Colour, PaletteColor(103));

  chart = IncomeExpenseBreakdown(scope, {2026, 2}, TBreakdownSide::Expenses, "");
  EXPECT_EQ(chart.Title, "Income vs. Expenses (Expenses)");
  EXPECT_EQ(Points(chart.Series[0]), "Food 150, n/a 30");
  EXPECT_EQ(chart.Series[0].Points[0].Colour, PaletteColor(0));

  chart = IncomeExpenseBreakdown(scope, {}, TBreakdownSide::Expenses, "n/a");
  EXPECT_EQ(chart.Title, "Income vs. Expenses (Expenses - n/a)");
  EXPECT_EQ(Points(chart.Series[0]), "n/a 30");
}

TEST_F(ReportChartsTest, SpendingWithoutDateCoversAllYearsWithNa) {
  const TChartData chart = SpendingByCategory(scope, {});
  EXPECT_EQ(chart.Title, "Spending by Category");
  EXPECT_EQ(chart.Series[0].Title, "Category");
  EXPECT_EQ(Points(chart.Series[0]), "Food 400, Transport 80, n/a 30");
  const TColor expected[] = {PaletteColor(0), PaletteColor(69), PaletteColor(138)};
  for (int k = 0; k < 3; ++k) EXPECT_EQ(chart.Series[0].Points[k].Colour, expected[k]);
}

TEST_F(ReportChartsTest, RefundsLargerThanSpendingStillGiveAPositiveSlice) {
  EXPECT_EQ(Points(SpendingByCategory(scope, {2026, 3}).Series[0]), "Food 10, Transport 80");
  const TChartData food = SpendingBySubcategory(scope, {2026, 3}, "Food");
  EXPECT_EQ(food.Title, "Spending by Category (Food)");
  EXPECT_EQ(food.Series[0].Title, "Subcategory");
  EXPECT_EQ(Points(food.Series[0]), "dining out 50, groceries 40");
}

TEST_F(ReportChartsTest, TheLastEntryOfTheListGetsItsSliceAndItsBreakdown) {
  EXPECT_EQ(Points(SpendingBySubcategory(scope, {2026, 3}, "Transport").Series[0]), "Transport 80");
  EXPECT_EQ(Points(SpendingBySubcategory(scope, {2026, 2}, "n/a").Series[0]), "n/a 30");
  EXPECT_EQ(Points(SpendingBySubcategory(scope, {2026, 2}, "Transport").Series[0]), "");
}

TEST_F(ReportChartsTest, NoAccountTickedGivesEmptyTitledCharts) {
  scope.Accounts.clear();
  const TDateTime date = EncodeDate(2026, 3, 10);
  for (const TChartData& chart :
       {IncomeVsExpensesPie(scope, {}), SpendingByCategory(scope, {}), Trends(scope, date, false),
        IncomeExpenseBreakdown(scope, {}, TBreakdownSide::Expenses, "")}) {
    EXPECT_FALSE(chart.Title.empty());
    for (const TChartSeries& series : chart.Series)
      EXPECT_TRUE(series.Points.empty()) << chart.Title;
  }
  EXPECT_EQ(Points(IncomeVsExpensesBars(scope, date).Series[0]),
            "Jan 2026 0, Feb 2026 0, Mar 2026 0");
  EXPECT_EQ(Points(MonthComparison(scope, date, date).Series[3]).substr(0, 11), "01 0, 02 0,");
}

TEST_F(ReportChartsTest, TrendsSkipMonthsWithoutMovement) {
  TChartData chart = Trends(scope, EncodeDate(2026, 6, 15), false);
  EXPECT_EQ(chart.Title, "Trends");
  EXPECT_EQ(Points(chart.Series[0]), "Dec 900, Jan 1000, Feb 1000, Mar 10");
  EXPECT_EQ(chart.Series[1].Title, "Expenses");
  EXPECT_EQ(Points(chart.Series[1]), "Dec -60, Jan -200, Feb -195, Mar -70");  // below the axis
  EXPECT_EQ(Points(chart.Series[2]), "Dec 0, Jan 0, Feb 300, Mar 0");
  chart = Trends(scope, EncodeDate(2026, 6, 15), true);
  EXPECT_EQ(Points(chart.Series[1]), "Dec 60, Jan 200, Feb 195, Mar 70");
  // From January 2026: December 2025 lies before the year back.
  EXPECT_EQ(Points(Trends(scope, EncodeDate(2027, 1, 31), true).Series[0]),
            "Jan 1000, Feb 1000, Mar 10");
  EXPECT_EQ(Points(Trends(scope, EncodeDate(2027, 6, 1), true).Series[0]), "");
}

TEST_F(ReportChartsTest, ComparisonOnTodayStopsTheCurrentMonthAtToday) {
  const TDateTime today = EncodeDate(2026, 3, 6) + 0.5;
  const TChartData chart = MonthComparison(scope, today, today);
  EXPECT_EQ(chart.Title, "February 2026 vs March 2026");
  ASSERT_EQ(chart.Series.size(), 4u);
  EXPECT_EQ(chart.Series[0].Title, "Income for Feb");
  EXPECT_EQ(chart.Series[1].Title, "Expenses for Feb");
  EXPECT_EQ(chart.Series[2].Title, "Expenses for Mar");
  EXPECT_EQ(chart.Series[3].Title, "Income for Mar");
  EXPECT_EQ(Points(chart.Series[3]), "01 10, 02 10, 03 10, 04 10, 05 10, 06 10");
  EXPECT_EQ(Points(chart.Series[2]), "01 0, 02 0, 03 80, 04 100, 05 100, 06 30");
  ASSERT_EQ(chart.Series[1].Points.size(), 28u);
  EXPECT_EQ(chart.Series[1].Points[9].Value, 100);   // 10 Feb
  EXPECT_EQ(chart.Series[1].Points[21].Value, 195);  // 22 Feb, the last expense
  EXPECT_EQ(chart.Series[1].Points[27].Label, "28");
  EXPECT_EQ(chart.Series[0].Points[27].Value, 1000);
}

TEST_F(ReportChartsTest, ComparisonOfAnotherDayRunsToTheMonthsEnd) {
  const TChartData chart = MonthComparison(scope, EncodeDate(2026, 3, 29), EncodeDate(2026, 3, 31));
  ASSERT_EQ(chart.Series[2].Points.size(), 31u);
  EXPECT_EQ(chart.Series[2].Points.back().Value, 70);
}

TEST(ReportChartsDates, MovingMonthsClipsTheDay) {
  const TDateTime march31 = EncodeDate(2026, 3, 31) + 0.25;
  EXPECT_EQ(MoveMonths(march31, -1), EncodeDate(2026, 2, 28) + 0.25);
  EXPECT_EQ(MoveMonths(EncodeDate(2024, 3, 31), -1), EncodeDate(2024, 2, 29));
  EXPECT_EQ(MoveMonths(EncodeDate(2024, 2, 29), 1), EncodeDate(2024, 3, 29));
  EXPECT_EQ(MoveMonths(EncodeDate(2026, 1, 15), -12), EncodeDate(2025, 1, 15));
  EXPECT_EQ(ShortMonthYear(2026, 3), "Mar 2026");
  EXPECT_EQ(LongMonthYear(2026, 9), "September 2026");
}

TEST(ReportChartsGrouping, RunsOfTheSameMainFormGroups) {
  const std::vector<TCategoryGroup> groups =
      GroupCategoriesByRuns({"Food", "Food !", "Food - a", "food - b", "Travel"});
  ASSERT_EQ(groups.size(), 5u);
  const std::pair<std::string, std::size_t> expected[] = {
      {"Food", 1}, {"Food !", 1}, {"Food", 1}, {"food", 1}, {"Travel", 1}};
  for (std::size_t i = 0; i < groups.size(); ++i) {
    EXPECT_EQ(groups[i].Main, expected[i].first);
    EXPECT_EQ(groups[i].Count, expected[i].second);
  }
  const auto two = GroupCategoriesByRuns({"A - x", "A - y", "B"});
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0].First, 0u);
  EXPECT_EQ(two[0].Count, 2u);
  EXPECT_EQ(two[1].First, 2u);
  EXPECT_TRUE(GroupCategoriesByRuns({}).empty());
}

TEST_F(ReportChartsTest, AMainSplitIntoTwoRunsIsCountedOnce) {
  AddTransaction(*cheque, "01 Apr 2026", "a", "Home", "-10");
  AddTransaction(*cheque, "02 Apr 2026", "b", "Home - rent", "-5");
  AddTransaction(*cheque, "03 Apr 2026", "c", "Home !", "-1");
  TransactionsChanged();
  scope.Categories = {"Home", "Home !", "Home - rent"};
  EXPECT_EQ(Points(SpendingByCategory(scope, {2026, 4}).Series[0]), "Home 15, Home ! 1");
}

TEST(ReportChartsText, LegendEntriesGiveTheirLabel) {
  const std::pair<const char*, const char*> cases[] = {
      {"12.5 % Food", "Food"}, {"100 % n/a", "n/a"}, {"3 % 50% off - sale ", "50% off - sale"},
      {"Income", "Income"},    {"7 %", ""},
  };
  for (const auto& [entry, label] : cases) EXPECT_EQ(LegendEntryLabel(entry), label) << entry;
}

TEST(ReportChartsText, ImageNamesGetTheirExtension) {
  EXPECT_EQ(ChartImageFileName("/tmp/charts", ".bmp"), "/tmp/charts.bmp");
  EXPECT_EQ(ChartImageFileName("/tmp/charts.BMP", ".bmp"), "/tmp/charts.BMP");
  EXPECT_EQ(ChartImageFileName("/tmp/charts.png", ".bmp"), "/tmp/charts.png.bmp");
  EXPECT_EQ(ChartImageFileName("/tmp/v1.2/charts", ".png"), "/tmp/v1.2/charts.png");
  EXPECT_EQ(ChartImageFileName("/tmp/charts.Png", ".png"), "/tmp/charts.Png");
}

TEST(ChartColours, SlicesSpreadOverThePaletteUpTo207) {
  for (const int count : {0, 1, 3, 207, 208, 300}) {
    TChartSeries pie;
    pie.Points.resize(count);
    FormatChartSeriesColours(pie);
    const int step = count ? 207 / count : 0;
    for (int k = 0; k < count; ++k)
      ASSERT_EQ(pie.Points[k].Colour, PaletteColor(k * step)) << count << " slices, " << k;
  }
}

}  // namespace
}  // namespace tf

#include <gtest/gtest.h>

#include "FinanceFixture.h"
#include "base/ChartPalette.h"
#include "reports/ExpenseReport.h"
#include "reports/ReportPeriods.h"
#include "reports/ReportSelection.h"

namespace tf {
namespace {

using namespace tf::testing;

struct ExpenseReportTest : ::testing::Test {
  void SetUp() override { ClearContext(); }
  void TearDown() override { ClearContext(); }

  std::vector<const TTransactions*> Expenses(TDateTime from, TDateTime to) const {
    return CollectExpenses(CountedAccounts(Global().Accounts), from, to);
  }
  std::vector<const TTransactions*> YearExpenses() const {
    return Expenses(EncodeDate(2024, 1, 1), EncodeDate(2024, 12, 31));
  }
};

// Label and value of each bar in drawing order; a spacer shows as "|".
std::vector<std::string> BarTexts(const std::vector<TExpenseBar>& bars) {
  std::vector<std::string> texts;
  for (const TExpenseBar& bar : bars) {
    if (bar.Kind == TExpenseBarKind::Spacer) {
      EXPECT_TRUE(bar.Label.empty());
      EXPECT_EQ(bar.Value, 0);
      texts.push_back("|");
      continue;
    }
    char value[32];
    std::snprintf(value, sizeof value, "%g", bar.Value);
    texts.push_back(bar.Label + "=" + value);
  }
  return texts;
}

std::vector<std::string> Descriptions(const std::vector<const TTransactions*>& rows) {
  std::vector<std::string> texts;
  for (const TTransactions* t : rows)
    texts.push_back(t->FieldAt(TTransactions::fDescription)->AsString());
  return texts;
}

TEST_F(ExpenseReportTest, CollectsExpensesOfTickedAccountsInThePeriodZToA) {
  TAccount& cheque = AddAccount("Cheque");
  TAccount& card = AddAccount("Card");
  AddTransaction(cheque, "31 Dec 2023", "before", "Food", "-1");
  AddTransaction(cheque, "01 Jan 2024", "first day", "Food", "-2");
  AddTransaction(cheque, "02 Jan 2024", "income", "Salary", "10", ttIncome);
  AddTransaction(cheque, "02 Jan 2024", "transfer", "Card", "-10", ttTransfer);
  AddTransaction(cheque, "03 Jan 2024", "deleted", "Food", "-3").Deleted = true;
  AddTransaction(card, "31 Dec 2024", "last day", "Bills - Phone", "-4");
  AddTransaction(card, "05 Jan 2024", "type 7 reads as expense", "", "-5").SetTransactionType(7);
  AddTransaction(card, "06 Jan 2024", "lower case", "food", "-6");
  AddTransaction(card, "01 Jan 2025", "after", "Food", "-7");
  EXPECT_EQ(
      Descriptions(YearExpenses()),
      (std::vector<std::string>{"lower case", "first day", "last day", "type 7 reads as expense"}));
  // Only the ticked account counts.
  const std::vector<const TAccount*> onlyCard = {&card};
  EXPECT_EQ(Descriptions(
                CollectExpenses(onlyCard, EncodeDate(2024, 1, 1), EncodeDate(2024, 12, 31) + 0.99)),
            (std::vector<std::string>{"lower case", "last day", "type 7 reads as expense"}));
  EXPECT_TRUE(CollectExpenses({}, EncodeDate(2024, 1, 1), EncodeDate(2024, 12, 31)).empty());
}

TEST_F(ExpenseReportTest, BarsOfTwoSubCategoriesSmallestFirstThenMainThenSpacer) {
  TAccount& a = AddAccount("A");
  AddTransaction(a, "02 Jan 2024", "", "Food - groceries", "-60");
  AddTransaction(a, "03 Jan 2024", "", "Food - dining out", "-50");
  AddTransaction(a, "04 Jan 2024", "", "Food - groceries", "-40");
  EXPECT_EQ(BarTexts(ExpenseBars(YearExpenses())),
            (std::vector<std::string>{"dining out=50", "groceries=100", "Food=150", "|"}));
}

TEST_F(ExpenseReportTest, OneSubCategoryGivesTwoBarsAndMainsRunAToZ) {
  TAccount& a = AddAccount("A");
  AddTransaction(a, "02 Jan 2024", "", "Transport - Fuel", "-30");
  AddTransaction(a, "02 Jan 2024", "", "Bills - Phone", "-20");
  AddTransaction(a, "02 Jan 2024", "", "Bills - Water", "-25");
  AddTransaction(a, "02 Jan 2024", "", "Zoo", "-5");
  AddTransaction(a, "02 Jan 2024", "", "", "-7");
  EXPECT_EQ(BarTexts(ExpenseBars(YearExpenses())),
            (std::vector<std::string>{"=7", "=7", "|", "Phone=20", "Water=25", "Bills=45", "|",
                                      "Fuel=30", "Transport=30", "|", "Zoo=5", "Zoo=5", "|"}));
}

// Refunds larger than the spending: no bar, and nothing added to the main
// category; a main category left without a positive total has no bar.
TEST_F(ExpenseReportTest, NonPositiveTotalsGiveNoBar) {
  TAccount& a = AddAccount("A");
  AddTransaction(a, "02 Jan 2024", "", "Food - groceries", "-100");
  AddTransaction(a, "02 Jan 2024", "", "Food - returns", "-10");
  AddTransaction(a, "03 Jan 2024", "", "Food - returns", "30");
  AddTransaction(a, "03 Jan 2024", "", "Gifts - Cards", "-10");
  AddTransaction(a, "03 Jan 2024", "", "Gifts - Cards", "10");
  EXPECT_EQ(BarTexts(ExpenseBars(YearExpenses())),
            (std::vector<std::string>{"groceries=100", "Food=100", "|"}));
}

// Rows of one category that differ in letter case, and a sub-category with
// an empty name, still give one family with the main bar last.
TEST_F(ExpenseReportTest, MainBarAlwaysFollowsItsSubCategories) {
  TAccount& a = AddAccount("A");
  AddTransaction(a, "02 Jan 2024", "", "Food - a", "-10.6");
  AddTransaction(a, "02 Jan 2024", "", "Food - ", "-0.3");
  AddTransaction(a, "02 Jan 2024", "", "Food - A", "-1");
  AddTransaction(a, "02 Jan 2024", "", "Food - a", "-1");
  const std::vector<TExpenseBar> bars = ExpenseBars(YearExpenses());
  EXPECT_EQ(BarTexts(bars), (std::vector<std::string>{"=0.3", "A=1", "a=11.6", "Food=12.9", "|"}));
  EXPECT_EQ(bars[3].Kind, TExpenseBarKind::Main);
}

TEST_F(ExpenseReportTest, EachMainCategoryHasItsColourFamily) {
  TAccount& a = AddAccount("A");
  AddTransaction(a, "02 Jan 2024", "", "Bills - Phone", "-20");
  AddTransaction(a, "02 Jan 2024", "", "Bills - Water", "-25");
  AddTransaction(a, "02 Jan 2024", "", "Bills - Rates", "-50");
  AddTransaction(a, "02 Jan 2024", "", "Zoo - Tickets", "-5");
  const std::vector<TExpenseBar> bars = ExpenseBars(YearExpenses());
  ASSERT_EQ(bars.size(), 8u);  // Phone, Water, Rates, Bills, spacer, Tickets, Zoo, spacer
  // The last main category takes the first group, the next one the second.
  EXPECT_EQ(bars[6].Color, PaletteColor(15));
  EXPECT_EQ(bars[5].Color, GradientColor(1, PaletteColorBefore(15), PaletteColorLightest(15), 0));
  const int second = NextPaletteGroup(15);
  EXPECT_EQ(bars[3].Color, PaletteColor(second));
  for (int k = 0; k < 3; ++k)
    EXPECT_EQ(bars[2 - k].Color,
              GradientColor(3, PaletteColorBefore(second), PaletteColorLightest(second), k))
        << k;
  EXPECT_EQ(bars[2].Label, "Rates");  // the largest, next to its main bar
  EXPECT_EQ(bars[0].Label, "Phone");  // the smallest, lightest
}

TEST_F(ExpenseReportTest, MarkShowsLabelShareAndValue) {
  const TExpenseBar fuel{TExpenseBarKind::Sub, "Fuel", 1234.5, 0};
  EXPECT_EQ(ExpenseBarMark(fuel, 9876), "Fuel (12.5 %) 1,234.50");
  EXPECT_EQ(ExpenseBarMark(fuel, 1234.5), "Fuel (100 %) 1,234.50");
  EXPECT_EQ(ExpenseBarMark({TExpenseBarKind::Main, "Tiny", 1, 0}, 100000), "");
  EXPECT_EQ(ExpenseBarMark({TExpenseBarKind::Main, "Tiny", 60, 0}, 100000), "Tiny (0.1 %) 60.00");
  EXPECT_EQ(ExpenseBarMark(fuel, 9876, {".", ","}), "Fuel (12,5 %) 1.234,50");
  EXPECT_EQ(ExpenseBarMark({TExpenseBarKind::Spacer, "", 0, 0}, 100), "");
  // Shares are of the spending: each amount counts once, in its main bar.
  const TExpenseBar transport{TExpenseBarKind::Main, "Transport", 1234.5, 0};
  const TExpenseBar food{TExpenseBarKind::Main, "Food", 100, 0};
  EXPECT_EQ(ExpenseBarsTotal({fuel,
                              transport,
                              {TExpenseBarKind::Spacer, "", 0, 0},
                              {TExpenseBarKind::Sub, "groceries", 100, 0},
                              food}),
            1334.5);
}

TEST_F(ExpenseReportTest, LinesPerMainCategoryOverTheWidenedPeriod) {
  TAccount& a = AddAccount("A");
  AddTransaction(a, "01 Mar 2024", "", "Food - groceries", "-100");
  AddTransaction(a, "31 May 2024", "", "food - dining out", "-50");
  AddTransaction(a, "10 Apr 2024", "", "", "-7");
  AddTransaction(a, "11 Apr 2024", "", "", "2");
  AddTransaction(a, "12 Apr 2024", "", "Bills", "-3");
  const TPeriod period = WholeMonths(EncodeDate(2024, 3, 15), EncodeDate(2024, 5, 10));
  EXPECT_EQ(period.From, EncodeDate(2024, 3, 1));
  EXPECT_EQ(DateOf(period.To), EncodeDate(2024, 5, 31));
  const std::vector<TExpenseLine> lines = ExpenseLines(
      Expenses(period.From, period.To), EncodeDate(2024, 3, 15), EncodeDate(2024, 5, 10));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].Title, "");  // uncategorised expenses form a line of their own
  EXPECT_EQ(lines[1].Title, "Bills");
  EXPECT_EQ(lines[2].Title, "Food");
  EXPECT_EQ(lines[0].Color, PaletteColor(15));
  EXPECT_EQ(lines[1].Color, PaletteColor(NextPaletteGroup(15)));
  struct TExpected {
    std::size_t Line;
    std::vector<double> Values;
  };
  for (const TExpected& e :
       {TExpected{0, {0, 5, 0}}, TExpected{1, {0, 3, 0}}, TExpected{2, {100, 0, 50}}}) {
    ASSERT_EQ(lines[e.Line].Points.size(), 3u);
    for (std::size_t m = 0; m < 3; ++m) EXPECT_EQ(lines[e.Line].Points[m].Value, e.Values[m]);
  }
  EXPECT_EQ(lines[2].Points[0].Label, "Mar 2024");
  EXPECT_EQ(lines[2].Points[2].Label, "May 2024");
}

TEST_F(ExpenseReportTest, LinesRunOverTheTurnOfTheYearAndNoExpensesGiveNoLines) {
  TAccount& a = AddAccount("A");
  AddTransaction(a, "15 Jan 2025", "", "Food", "-10");
  const std::vector<TExpenseLine> lines =
      ExpenseLines(YearExpenses(), EncodeDate(2024, 11, 20), EncodeDate(2025, 2, 1));
  EXPECT_TRUE(lines.empty());
  const std::vector<TExpenseLine> across =
      ExpenseLines(Expenses(EncodeDate(2024, 11, 1), EncodeDate(2025, 2, 28)),
                   EncodeDate(2024, 11, 20), EncodeDate(2025, 2, 1));
  ASSERT_EQ(across.size(), 1u);
  ASSERT_EQ(across[0].Points.size(), 4u);
  EXPECT_EQ(across[0].Points[2].Label, "Jan 2025");
  EXPECT_EQ(across[0].Points[2].Value, 10);
}

}  // namespace
}  // namespace tf

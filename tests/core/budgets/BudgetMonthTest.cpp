#include <gtest/gtest.h>

#include "FinanceFixture.h"
#include "base/Formats.h"
#include "budgets/BudgetMonth.h"

namespace tf {
namespace {

using namespace tf::testing;

struct BudgetMonthTest : ::testing::Test {
  void SetUp() override { ClearContext(); }
  void TearDown() override { ClearContext(); }
};

std::string Shape(const TBudgetMonth& month) {
  std::string shape;
  for (const TBudgetMonthRow& row : month.Rows()) {
    if (!shape.empty()) shape += " | ";
    switch (row.Kind) {
      case TBudgetRowKind::Section:
        shape += "[" + row.Section + "]";
        break;
      case TBudgetRowKind::Line:
        shape += row.Category;
        break;
      case TBudgetRowKind::Empty:
        shape += "-";
        break;
    }
  }
  return shape;
}

std::string TotalsText(const TBudgetTotals& totals) {
  std::string text;
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c)
      text += (c ? " " : (r ? " / " : "")) + CurrencyToText(totals.Cell(r, c));
  }
  return text;
}

TEST_F(BudgetMonthTest, ListsTheMonthsLinesUnderTheirSections) {
  struct TCase {
    const char* Name;
    std::vector<std::pair<const char*, bool>> Lines;  // category, income
    const char* Shape;
  };
  const TCase cases[] = {
      {"no lines", {}, "- | -"},
      {"only expenses", {{"Rent", false}, {"food", false}}, "[Expenses] | food | Rent | -"},
      {"only income", {{"Salary", true}}, "[Income] | Salary | -"},
      {"both, income first, names ignoring case",
       {{"Rent", false}, {"salary", true}, {"Bonus", true}, {"car", false}},
       "[Income] | Bonus | salary | [Expenses] | car | Rent"},
  };
  for (const TCase& c : cases) {
    ClearContext();
    for (const auto& [category, income] : c.Lines) AddBudgetLine(category, 2024, 3, "0", income);
    AddBudgetLine("Other month", 2024, 4, "0", false);
    AddBudgetLine("Other year", 2023, 3, "0", true);
    AddBudgetLine("Gone", 2024, 3, "0", false).Deleted = true;
    TBudgetMonth month(Global().Accounts, 2024, 3);
    month.Refresh();
    EXPECT_EQ(Shape(month), c.Shape) << c.Name;
    EXPECT_EQ(month.Lines().size(), c.Lines.size()) << c.Name;
  }
}

TEST_F(BudgetMonthTest, ActualIsTheMonthsSumOfTheExactCategory) {
  TAccount& cheque = AddAccount("Cheque");
  TAccount& card = AddAccount("Card");
  AddTransaction(cheque, "28 Feb 2024", "last month", "Food", "-99");
  AddTransaction(cheque, "02 Mar 2024", "shop", "Food", "-400.10");
  AddTransaction(card, "15 Mar 2024", "market", "Food", "-249.90");
  AddTransaction(card, "16 Mar 2024", "refund", "Food", "20.00", ttIncome);
  AddTransaction(cheque, "17 Mar 2024", "moved", "Food", "-100", ttTransfer);
  AddTransaction(cheque, "18 Mar 2024", "paid in", "Food", "-100", ttDeposit);
  AddTransaction(cheque, "19 Mar 2024", "other case", "food", "-5");
  AddTransaction(cheque, "20 Mar 2024", "sub category", "Food - snacks", "-7");
  AddTransaction(cheque, "21 Mar 2024", "deleted", "Food", "-1000").Deleted = true;
  AddTransaction(cheque, "01 Apr 2024", "next month", "Food", "-1");
  TAccount& closed = AddAccount("Closed");
  AddTransaction(closed, "05 Mar 2024", "closed account", "Food", "-3000");
  closed.Deleted = true;
  AddTransaction(cheque, "25 Mar 2024", "salary", "Salary", "1200", ttIncome);
  TransactionsChanged();
  TBudget& food = AddBudgetLine("Food", 2024, 3, "500", false, "123");  // a stale Actual
  AddBudgetLine("Salary", 2024, 3, "1000", true);

  TBudgetMonth month(Global().Accounts, 2024, 3);
  month.Refresh();
  ASSERT_EQ(Shape(month), "[Income] | Salary | [Expenses] | Food");
  const TBudgetMonthRow& salary = month.Rows()[1];
  EXPECT_EQ(salary.Actual, Money("1200"));
  EXPECT_EQ(salary.Difference, Money("200"));
  const TBudgetMonthRow& row = month.Rows()[3];
  EXPECT_EQ(row.Line, &food);
  EXPECT_EQ(row.Actual, Money("-630"));
  EXPECT_EQ(food.FieldAt(TBudget::fActual)->AsCurrency(), Money("-630"));
  EXPECT_EQ(row.Budgeted, Money("500"));
  EXPECT_EQ(row.Difference, Money("-130"));
  EXPECT_EQ(TotalsText(month.Totals()), "1200 -630 570 / 1000 -500 500 / 200 -130 70");
}

TEST_F(BudgetMonthTest, TotalsGridFollowsTheNineFormulas) {
  TAccount& cheque = AddAccount("Cheque");
  AddTransaction(cheque, "01 Mar 2024", "a", "Groceries", "-650");
  AddTransaction(cheque, "02 Mar 2024", "b", "Salary", "1000.10", ttIncome);
  AddTransaction(cheque, "03 Mar 2024", "c", "Salary", "0.20", ttIncome);
  AddTransaction(cheque, "04 Mar 2024", "d", "Interest", "0.10", ttIncome);
  TransactionsChanged();
  AddBudgetLine("Groceries", 2024, 3, "500", false);
  AddBudgetLine("Salary", 2024, 3, "1000", true);
  AddBudgetLine("Interest", 2024, 3, "0.40", true);
  AddBudgetLine("Transport", 2024, 3, "300", false);
  TBudgetMonth month(Global().Accounts, 2024, 3);
  month.Refresh();
  // AI 1000.40, AE -650, BI 1000.40, BE 800: the income balances exactly.
  EXPECT_EQ(TotalsText(month.Totals()), "1000.4 -650 350.4 / 1000.4 -800 200.4 / 0 150 150");
  EXPECT_EQ(TBudgetTotals::kRowCaptions[2], std::string("Difference"));
  EXPECT_EQ(TBudgetTotals::kColumnCaptions[2], std::string("Balance"));
  EXPECT_THROW(month.Totals().Cell(3, 0), std::out_of_range);
}

TEST_F(BudgetMonthTest, EmptyMonthHasZeroTotals) {
  TBudgetMonth month(Global().Accounts, 2030, 1);
  month.Refresh();
  EXPECT_EQ(TotalsText(month.Totals()), "0 0 0 / 0 0 0 / 0 0 0");
  EXPECT_THROW(TBudgetMonth(Global().Accounts, 2024, 13), std::invalid_argument);
  EXPECT_EQ(TBudgetMonth(Global().Accounts, 2026, 3).MonthText(), "Mar 2026");
}

TEST_F(BudgetMonthTest, EditingTheBudgetedCellUpdatesDifferenceAndTotals) {
  TAccount& cheque = AddAccount("Cheque");
  AddTransaction(cheque, "01 Mar 2024", "a", "Food", "-650");
  TransactionsChanged();
  TBudget& food = AddBudgetLine("Food", 2024, 3, "0", false);
  TBudgetMonth month(Global().Accounts, 2024, 3);
  month.Refresh();
  struct TCase {
    const char* Typed;
    const char* Max;
    const char* Difference;
  };
  for (const TCase& c : {TCase{"5", "5", "-645"}, TCase{"50", "50", "-600"},
                         TCase{"1,000.5", "1000.5", "350.5"}, TCase{"abc", "0", "-650"}}) {
    month.SetBudgeted(1, c.Typed);
    EXPECT_EQ(food.FieldAt(TBudget::fMax)->AsCurrency(), Money(c.Max)) << c.Typed;
    EXPECT_EQ(month.Rows()[1].Difference, Money(c.Difference)) << c.Typed;
    EXPECT_EQ(month.Totals().Cell(2, 1), Money(c.Difference)) << c.Typed;
  }
  month.SetBudgeted(0, "99");  // the section row: nothing to edit
  month.SetBudgeted(7, "99");
  EXPECT_EQ(food.FieldAt(TBudget::fMax)->AsCurrency(), TCurrency{});
}

TEST_F(BudgetMonthTest, CopiesLastMonthsActualAsAPositiveBudget) {
  TAccount& cheque = AddAccount("Cheque");
  AddTransaction(cheque, "10 Dec 2023", "shop", "Food", "-75");
  AddTransaction(cheque, "03 Feb 2024", "shop", "Food", "-300");
  AddTransaction(cheque, "04 Feb 2024", "market", "Food", "-20.50");
  TransactionsChanged();
  // Stale figures from when those months were last shown.
  TBudget& february = AddBudgetLine("Food", 2024, 2, "0", false, "-99");
  AddBudgetLine("Food", 2023, 12, "0", false, "0");
  AddBudgetLine("Food", 2024, 3, "0", false);
  AddBudgetLine("Food", 2024, 1, "0", false);
  AddBudgetLine("Fuel", 2024, 3, "10", false);
  TBudgetMonth march(Global().Accounts, 2024, 3);
  march.Refresh();
  ASSERT_EQ(Shape(march), "[Expenses] | Food | Fuel | -");
  EXPECT_TRUE(march.CopyActualFromLastMonth(1));
  EXPECT_EQ(march.Rows()[1].Budgeted, Money("320.50"));
  EXPECT_EQ(february.FieldAt(TBudget::fActual)->AsCurrency(), Money("-320.50"));
  EXPECT_FALSE(march.CopyActualFromLastMonth(2));  // no Fuel line in February
  EXPECT_EQ(march.Rows()[2].Budgeted, Money("10"));
  EXPECT_FALSE(march.CopyActualFromLastMonth(0));

  TBudgetMonth january(Global().Accounts, 2024, 1);
  january.Refresh();
  EXPECT_TRUE(january.CopyActualFromLastMonth(1));
  EXPECT_EQ(january.Rows()[1].Budgeted, Money("75"));
}

TEST_F(BudgetMonthTest, ChangeTypeMovesTheLineToTheOtherSection) {
  AddBudgetLine("Bonus", 2024, 3, "0", false);
  AddBudgetLine("Rent", 2024, 3, "0", false);
  TBudgetMonth month(Global().Accounts, 2024, 3);
  month.Refresh();
  month.ChangeType(1);
  EXPECT_EQ(Shape(month), "[Income] | Bonus | [Expenses] | Rent");
}

TEST_F(BudgetMonthTest, CreateBudgetReplacesTheMonthsLines) {
  TAccount& cheque = AddAccount("Cheque");
  AddTransaction(cheque, "01 Mar 2024", "pay", "Salary", "900", ttIncome);
  TransactionsChanged();
  Global().Categories.SetLinesText("Food\r\nSalary\r\nRent\r\n");
  AddBudgetLine("Food", 2024, 2, "400", true);
  AddBudgetLine("Rent", 2024, 2, "800", false);
  AddBudgetLine("Old", 2024, 3, "5", false);

  TBudgetMonth month(Global().Accounts, 2024, 3);
  month.Refresh();
  EXPECT_EQ(month.CreateBudget(0), 3);
  EXPECT_EQ(Shape(month), "[Income] | Salary | [Expenses] | Food | Rent");
  EXPECT_EQ(month.Rows()[1].Actual, Money("900"));

  EXPECT_EQ(month.CreateBudget(EncodeDate(2024, 2, 1)), 3);
  EXPECT_EQ(Shape(month), "[Income] | Food | Salary | [Expenses] | Rent");
  EXPECT_EQ(month.Rows()[1].Budgeted, Money("400"));
  EXPECT_EQ(month.Rows()[4].Budgeted, Money("800"));
}

TEST_F(BudgetMonthTest, CopyingTheDisplayedMonthOntoItselfKeepsItsAmounts) {
  Global().Categories.SetLinesText("Food\r\nSalary\r\nRent\r\n");
  TBudget& food = AddBudgetLine("Food", 2024, 3, "450.25", false);
  TBudget& salary = AddBudgetLine("Salary", 2024, 3, "1000", true);
  TBudget& dropped = AddBudgetLine("Not a category", 2024, 3, "12", false);

  TBudgetMonth month(Global().Accounts, 2024, 3);
  month.Refresh();
  EXPECT_EQ(month.CreateBudget(EncodeDate(2024, 3, 1)), 3);
  EXPECT_EQ(Shape(month), "[Income] | Salary | [Expenses] | Food | Rent");
  EXPECT_EQ(month.Rows()[1].Budgeted, Money("1000"));
  EXPECT_EQ(month.Rows()[3].Budgeted, Money("450.25"));
  EXPECT_EQ(month.Rows()[4].Budgeted, TCurrency{});
  // The old lines are replaced by the copies, not kept beside them.
  for (const TBudget* old : {&food, &salary, &dropped}) EXPECT_TRUE(old->Deleted);
  EXPECT_EQ(month.Rows()[1].Line->FieldAt(TBudget::fBudgetID)->AsString().size(), 38u);
}

TEST_F(BudgetMonthTest, CopySourcesAreThreeYearsOfMonths) {
  const std::vector<TBudgetSourceYear> years = CopySourceYears(EncodeDate(2026, 1, 31));
  ASSERT_EQ(years.size(), 3u);
  EXPECT_EQ(years[0].Year, 2024);
  EXPECT_EQ(years[2].Year, 2026);
  for (const TBudgetSourceYear& year : years) ASSERT_EQ(year.Months.size(), 12u);
  EXPECT_EQ(FormatDisplayDate(years[0].Months[0]), "01 Jan 2024");
  EXPECT_EQ(FormatDisplayDate(years[2].Months[11]), "01 Dec 2026");
}

TEST_F(BudgetMonthTest, SynchroniseAddsUsedCategoriesAndRemovesEmptyLines) {
  TAccount& cheque = AddAccount("Cheque");
  AddTransaction(cheque, "01 Mar 2024", "shop", "Food", "-50");
  AddTransaction(cheque, "02 Mar 2024", "rent", "Rent", "-800");
  TransactionsChanged();
  Global().Categories.SetLinesText("Food\r\nRent\r\nTravel\r\n");
  AddBudgetLine("Rent", 2024, 3, "800", false);
  TBudget& empty = AddBudgetLine("Travel", 2024, 3, "0", false);

  TBudgetMonth month(Global().Accounts, 2024, 3);
  month.Refresh();
  const TBudgetSyncResult result = month.Synchronise();
  EXPECT_EQ(result.Added, 1);
  EXPECT_EQ(result.Removed, 1);
  EXPECT_TRUE(empty.Deleted);
  EXPECT_EQ(Shape(month), "[Expenses] | Food | Rent | -");
  EXPECT_EQ(month.Rows()[1].Actual, Money("-50"));
  EXPECT_EQ(TBudgetMonth::SyncReport(result),
            "Report\r\n\r\nThe following actions has occured\r\n\r\n"
            "1 Item(s) was added\r\n1 Item(s) was removed\r\n");

  const TBudgetSyncResult again = month.Synchronise();
  EXPECT_EQ(again.Added + again.Removed, 0);
  EXPECT_EQ(TBudgetMonth::SyncReport(again), "");
}

TEST_F(BudgetMonthTest, AddLineJoinsTheCategoryAndListsIt) {
  TBudgetMonth month(Global().Accounts, 2024, 3);
  month.Refresh();
  TBudget* line = month.AddLine("Car", "fuel", true);
  EXPECT_EQ(line->FieldAt(TBudget::fCategoryName)->AsString(), "Car - fuel");
  EXPECT_EQ(line->FieldAt(TBudget::fBudgetID)->AsString().size(), 38u);
  EXPECT_EQ(Shape(month), "[Income] | Car - fuel | -");
  EXPECT_EQ(month.ListedCategories(), "Car - fuel\r\n");
  EXPECT_GE(Global().Categories.IndexOf("Car - fuel"), 0);
}

}  // namespace
}  // namespace tf

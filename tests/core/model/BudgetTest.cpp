#include <gtest/gtest.h>

#include "ModelFixtures.h"

namespace tf::testing {
namespace {

class BudgetTest : public ModelTest {
 protected:
  TBudget& Budgets() { return *Root().BudgetTable(); }
  TBudget* Line(const std::string& category, int year, int month, bool income = false) {
    TBudget* line = Budgets().NewBudget();
    SetText(*line, TBudget::fCategoryName, category);
    line->FieldAt(TBudget::fYear)->SetValue(TVariant::Integer(year));
    line->FieldAt(TBudget::fMonth)->SetValue(TVariant::Integer(month));
    line->FieldAt(TBudget::fIncome)->SetValue(TVariant::Bool(income));
    return line;
  }
};

TEST_F(BudgetTest, SortsByMonthThenIncomeFirstThenCategory) {
  Line("b", 2024, 3);
  Line("Zed", 2024, 3, true);
  Line("A", 2024, 3);
  Line("Food", 2023, 12);
  Line("c", 2024, 3);
  Budgets().SortBudgets();
  std::string order;
  for (int i = 0; i < Budgets().RowCount(); ++i)
    order += Budgets().BudgetAt(i)->FieldAt(TBudget::fCategoryName)->AsString() + " ";
  EXPECT_EQ(order, "Food Zed A b c ");
}

TEST_F(BudgetTest, Remaining) {
  struct TCase {
    bool Income;
    double Max, Actual, Remaining;
  };
  const TCase cases[] = {
      {false, 500, -120, 380},  {false, 500, -650, -150}, {false, 500, 40, 460},
      {false, 500, 0, 500},     {true, 1000, 1200, 200},  {true, 1000, 800, -200},
      {false, 0.1, -0.3, -0.2},
  };
  for (const TCase& c : cases) {
    TBudget* line = Line("x", 2024, 1, c.Income);
    line->FieldAt(TBudget::fMax)->SetValue(Money(c.Max));
    line->FieldAt(TBudget::fActual)->SetValue(Money(c.Actual));
    EXPECT_EQ(line->Remaining(), c.Remaining) << c.Income << " " << c.Max << " " << c.Actual;
  }
}

TEST_F(BudgetTest, FindBudgetSkipsDeletedLinesAndComparesExactly) {
  TBudget* deleted = Line("Food", 2024, 3);
  deleted->Deleted = true;
  TBudget* live = Line("Food", 2024, 3);
  EXPECT_EQ(Budgets().FindBudget(2024, 3, "Food"), live);
  EXPECT_EQ(Budgets().FindBudget(2024, 3, "food"), nullptr);
  EXPECT_EQ(Budgets().FindBudget(2024, 4, "Food"), nullptr);
  live->Deleted = true;
  EXPECT_EQ(Budgets().FindBudget(2024, 3, "Food"), nullptr);
}

TEST_F(BudgetTest, AssignNewIdOnlyWhenEmpty) {
  TBudget* line = Line("Food", 2024, 3);
  line->AssignNewId();
  const std::string id = line->FieldAt(TBudget::fBudgetID)->AsString();
  EXPECT_EQ(id.size(), 38u);
  line->AssignNewId();
  EXPECT_EQ(line->FieldAt(TBudget::fBudgetID)->AsString(), id);
}

TEST_F(BudgetTest, CreateMonthOneLinePerCategoryWithIncomeFromTheSums) {
  for (const char* category : {"Salary", "Food", "Refunds"}) Global().Categories.Add(category);
  TAccount* a = AddAccount(Root(), "{A}");
  AddTransaction(*a, {"05 Mar 2024", 2000, ttIncome, "Salary"});
  AddTransaction(*a, {"06 Mar 2024", -80, ttExpense, "Food"});
  AddTransaction(*a, {"07 Mar 2024", 30, ttExpense, "Refunds"});
  AddTransaction(*a, {"08 Feb 2024", 5000, ttIncome, "Food"});
  TBudget* source = Line("Refunds", 2024, 2);  // says expense: it wins over the sum
  source->FieldAt(TBudget::fMin)->SetValue(Money(10));
  source->FieldAt(TBudget::fMax)->SetValue(Money(50));
  Global().BuildMonthIndex(true);

  EXPECT_EQ(Budgets().CreateMonth(EncodeDate(2024, 3, 15), EncodeDate(2024, 2, 1)), 3);
  ASSERT_EQ(Budgets().RowCount(), 4);
  const struct {
    const char* Category;
    bool Income;
    double Min, Max;
  } expected[] = {{"Food", false, 0, 0}, {"Refunds", false, 10, 50}, {"Salary", true, 0, 0}};
  for (int i = 0; i < 3; ++i) {
    const TBudget* line = Budgets().BudgetAt(i + 1);
    EXPECT_EQ(line->FieldAt(TBudget::fCategoryName)->AsString(), expected[i].Category);
    EXPECT_EQ(line->FieldAt(TBudget::fYear)->AsInteger(), 2024);
    EXPECT_EQ(line->FieldAt(TBudget::fMonth)->AsInteger(), 3);
    EXPECT_EQ(line->FieldAt(TBudget::fIncome)->AsBool(), expected[i].Income) << i;
    EXPECT_EQ(MoneyOf(*line, TBudget::fMin), expected[i].Min) << i;
    EXPECT_EQ(MoneyOf(*line, TBudget::fMax), expected[i].Max) << i;
    EXPECT_EQ(line->FieldAt(TBudget::fBudgetID)->AsString().size(), 38u);
  }
}

TEST_F(BudgetTest, CreateMonthWithoutCopyAndWithoutCategories) {
  EXPECT_EQ(Budgets().CreateMonth(EncodeDate(2024, 3, 1), 0), 0);
  Global().Categories.Add("Refunds");
  TAccount* a = AddAccount(Root(), "{A}");
  AddTransaction(*a, {"07 Mar 2024", 30, ttExpense, "Refunds"});
  EXPECT_EQ(Budgets().CreateMonth(EncodeDate(2024, 3, 1), 0), 1);
  EXPECT_TRUE(Budgets().BudgetAt(0)->FieldAt(TBudget::fIncome)->AsBool());
}

}  // namespace
}  // namespace tf::testing

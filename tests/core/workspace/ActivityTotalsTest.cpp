#include <gtest/gtest.h>

#include "WorkspaceFixture.h"
#include "workspace/ActivityTotals.h"

namespace tf::testing {
namespace {

struct ActivityTotalsTest : WorkspaceTest {
  TAccount* account = nullptr;
  std::vector<const TTransactions*> rows;

  void SetUp() override {
    WorkspaceTest::SetUp();
    account = AddAccount("Cheque", "{A}");
  }
  void Add(double amount, int type) {
    TTransactions* row = AddTransaction(*account, "02 Mar 2010", "row", amount);
    row->SetTransactionType(type);
    rows.push_back(row);
  }
};

TEST_F(ActivityTotalsTest, SumsEachTypeApart) {
  Add(5000, ttIncome);
  Add(-1000, ttExpense);
  Add(-200, ttExpense);
  Add(-500, ttTransfer);
  Add(500, ttDeposit);
  Add(250.25, ttIncome);
  rows.push_back(nullptr);  // a grid row without a transaction
  const TActivityTotals totals = ActivityTotals(rows);
  EXPECT_EQ(totals.Income, TCurrency::FromDouble(5250.25));
  EXPECT_EQ(totals.Expense, TCurrency::FromUnits(-1200));
  EXPECT_EQ(totals.Transfer, TCurrency::FromUnits(-500));
  EXPECT_EQ(totals.Deposit, TCurrency::FromUnits(500));
  EXPECT_EQ(totals.OfType(ttDeposit), TCurrency::FromUnits(500));
  EXPECT_EQ(totals.OfType(7), TCurrency{});
}

// In floating point 0.1 + 0.2 - 0.3 is not 0, and the strip would show a
// total of "0.00" instead of leaving the type out.
TEST_F(ActivityTotalsTest, AmountsThatCancelOutGiveExactlyZero) {
  Add(0.1, ttExpense);
  Add(0.2, ttExpense);
  Add(-0.3, ttExpense);
  Add(-12.5, ttTransfer);
  EXPECT_EQ(ActivityTotals(rows).Expense, TCurrency{});
  const std::vector<TActivityItem> items = ActivityItems(ActivityTotals(rows));
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].Type, ttTransfer);
}

TEST_F(ActivityTotalsTest, NothingListedGivesNoItems) {
  EXPECT_TRUE(ActivityItems(ActivityTotals(rows)).empty());
}

TEST(ActivityItems, IncomeDepositExpenseTransferWithTheirColours) {
  TActivityTotals totals;
  totals.Transfer = TCurrency::FromUnits(-4);
  totals.Expense = TCurrency::FromUnits(-3);
  totals.Deposit = TCurrency::FromUnits(2);
  totals.Income = TCurrency::FromUnits(1);
  const std::vector<TActivityItem> items = ActivityItems(totals);
  ASSERT_EQ(items.size(), 4u);
  const int types[] = {ttIncome, ttDeposit, ttExpense, ttTransfer};
  const TColor colours[] = {0x0000FF, 0x0000FF, 0xFF0000, 0xFF0000};
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].Type, types[i]) << i;
    EXPECT_EQ(items[i].Colour, colours[i]) << i;
    EXPECT_EQ(items[i].Total, totals.OfType(types[i])) << i;
  }
}

// The colour follows the type, not the sign.
TEST(ActivityItems, APositiveExpenseIsStillRed) {
  TActivityTotals totals;
  totals.Expense = TCurrency::FromUnits(30);
  const std::vector<TActivityItem> items = ActivityItems(totals);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].Colour, 0xFF0000u);
}

}  // namespace
}  // namespace tf::testing

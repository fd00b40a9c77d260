#include <gtest/gtest.h>

#include <set>

#include "WorkspaceFixture.h"
#include "base/CategoryList.h"
#include "base/Formats.h"
#include "workspace/ActivityTestData.h"

namespace tf::testing {
namespace {

struct ActivityTestDataTest : WorkspaceTest {
  TAccount* account = nullptr;
  std::mt19937 random{20100315};

  void SetUp() override {
    WorkspaceTest::SetUp();
    account = AddAccount("Cheque", "{A}");
  }
  TTransactions& Row(int i) { return *account->TransactionsTable()->TransactionAt(i); }
  std::string Field(int i, int field) { return Row(i).FieldAt(field)->AsString(); }
};

TEST_F(ActivityTestDataTest, TwentyRowsOnConsecutiveDaysFromTheFirstOfTheMonth) {
  TCategoryList categories;
  categories.LoadDefaultCategories();
  AddTestTransactions(*account, EncodeDate(2010, 1, 17) + 0.75, categories, random);
  ASSERT_EQ(account->TransactionsTable()->RowCount(), 20);
  std::set<std::string> ids;
  for (int i = 0; i < 20; ++i) {
    EXPECT_EQ(Field(i, TTransactions::fDate), FormatDisplayDate(EncodeDate(2010, 1, 1) + i)) << i;
    ids.insert(Field(i, TTransactions::fTransactionID));
    EXPECT_EQ(Field(i, TTransactions::fTransactionID).size(), 38u);
  }
  EXPECT_EQ(ids.size(), 20u);
  EXPECT_EQ(Field(19, TTransactions::fDate), "20 Jan 2010");
}

TEST_F(ActivityTestDataTest, IncomeCategoriesGetIncomesOthersExpenses) {
  TCategoryList categories;
  categories.Add("Food - groceries");
  categories.Add("Income - paycheck");
  categories.Add("Zzz - never picked");
  AddTestTransactions(*account, EncodeDate(2012, 2, 1), categories, random);
  std::set<std::string> seen;
  for (int i = 0; i < 20; ++i) {
    const std::string category = Field(i, TTransactions::fCategory);
    seen.insert(category);
    const TCurrency amount = Row(i).FieldAt(TTransactions::fAmount)->AsCurrency();
    EXPECT_EQ(amount.Raw % TCurrency::kScale, 0) << "whole numbers only";
    EXPECT_EQ(Field(i, TTransactions::fDescription), "Got some " + SubCategoryOf(category));
    if (category == "Income - paycheck") {
      EXPECT_EQ(Row(i).GetTransactionType(), ttIncome);
      EXPECT_GE(amount, TCurrency::FromUnits(4000));
      EXPECT_LE(amount, TCurrency::FromUnits(9999));
    } else {
      EXPECT_EQ(Row(i).GetTransactionType(), ttExpense);
      EXPECT_GE(amount, TCurrency::FromUnits(-850));
      EXPECT_LE(amount, TCurrency::FromUnits(-151));
    }
  }
  // The last entry of the list is never chosen.
  EXPECT_EQ(seen, (std::set<std::string>{"Food - groceries", "Income - paycheck"}));
}

TEST_F(ActivityTestDataTest, ShortCategoryListsDoNotCrash) {
  TCategoryList categories;
  AddTestTransactions(*account, EncodeDate(2010, 3, 1), categories, random);
  EXPECT_EQ(account->TransactionsTable()->RowCount(), 0);
  categories.Add("Salary income");
  AddTestTransactions(*account, EncodeDate(2010, 3, 1), categories, random);
  ASSERT_EQ(account->TransactionsTable()->RowCount(), 20);
  EXPECT_EQ(Field(0, TTransactions::fCategory), "Salary income");
  EXPECT_EQ(Field(0, TTransactions::fDescription), "Got some Salary income");
  EXPECT_EQ(Row(0).GetTransactionType(), ttIncome);
}

}  // namespace
}  // namespace tf::testing

#include <gtest/gtest.h>

#include "ModelFixtures.h"
#include "app/Global.h"

namespace tf::testing {
namespace {

class TransactionsTest : public ModelTest {
 protected:
  TAccount* Account() {
    if (account_ == nullptr) account_ = AddAccount(Root(), "{A}");
    return account_;
  }
  TTransactions* Add(const TRowSpec& spec) { return AddTransaction(*Account(), spec); }
  TTransactions* Table() { return Account()->TransactionsTable(); }

 private:
  TAccount* account_ = nullptr;
};

TEST_F(TransactionsTest, SortsByCalendarDayThenSortOrder) {
  Add({"03 Feb 2024", 1, ttExpense, "", "c", 0});
  Add({"05 Jan 2024", 2, ttExpense, "", "b", 5});
  Add({"05 Jan 2024", 3, ttExpense, "", "a", 2});
  Add({"bad date", 4, ttExpense, "", "first", 9});
  Table()->SortTransactions();
  std::string order;
  for (int i = 0; i < Table()->RowCount(); ++i)
    order += Table()->TransactionAt(i)->FieldAt(TTransactions::fDescription)->AsString() + " ";
  EXPECT_EQ(order, "first a b c ");
}

TEST_F(TransactionsTest, CompareIgnoresTheTimeOfDayAndOtherClasses) {
  TTransactions* a = Add({"05 Jan 2024", 0, ttExpense, "", "", 1});
  TTransactions* b = Add({"05 Jan 2024", 0, ttExpense, "", "", 1});
  EXPECT_EQ(TTransactions::CompareTransactions(a, b), 0);
  EXPECT_EQ(TTransactions::CompareTransactions(a, Account()), 0);
  b->FieldAt(TTransactions::fSortOrder)->SetValue(TVariant::Integer(0));
  EXPECT_GT(TTransactions::CompareTransactions(a, b), 0);
  EXPECT_LT(TTransactions::CompareTransactions(b, a), 0);
}

TEST_F(TransactionsTest, TypeCodesNamesAndOfxTypes) {
  struct TCase {
    int Stored;
    int Type;
    const char* Name;
    const char* Ofx;
  };
  const TCase cases[] = {
      {0, 0, "Income", "CREDIT"}, {1, 1, "Expense", "DEBIT"}, {2, 2, "Transfer", "CREDIT"},
      {3, 3, "Deposit", "DEBIT"}, {7, 1, "Expense", "DEBIT"}, {-1, -1, "", ""},
  };
  TTransactions* row = Add({});
  for (const TCase& c : cases) {
    row->SetTransactionType(c.Stored);
    EXPECT_EQ(row->GetTransactionType(), c.Type) << c.Stored;
    EXPECT_EQ(row->TransactionTypeName(), c.Name) << c.Stored;
    EXPECT_EQ(row->OfxTransactionType(), c.Ofx) << c.Stored;
  }
  const TTransactions fresh(nullptr, TBoneKind::Single);
  EXPECT_EQ(fresh.GetTransactionType(), ttExpense);
}

TEST_F(TransactionsTest, TypeFromName) {
  const std::pair<const char*, int> cases[] = {
      {"  InCoMe \t", 0}, {"expense", 1}, {"TRANSFER", 2}, {" deposit", 3},
      {"salary", 1},      {"", 1},        {"in come", 1},
  };
  for (const auto& [name, code] : cases)
    EXPECT_EQ(TTransactions::TransactionTypeFromName(name), code) << '"' << name << '"';
}

TEST_F(TransactionsTest, IdentityAndCategoryParts) {
  TTransactions* row = Add({"05 Jan 2024", 0, ttExpense, "Food - dining - out"});
  row->AssignNewId();
  const std::string first = row->FieldAt(TTransactions::fTransactionID)->AsString();
  row->AssignNewId();
  const std::string id = row->FieldAt(TTransactions::fTransactionID)->AsString();
  EXPECT_EQ(id.size(), 38u);
  EXPECT_NE(id, first);
  EXPECT_EQ(row->CompactId().size(), 32u);
  EXPECT_EQ(row->CompactId().find_first_of("{}-"), std::string::npos);
  EXPECT_EQ(row->MainCategory(), "Food");
  EXPECT_EQ(row->SubCategory(), "dining - out");
  EXPECT_EQ(row->OwnerAccountId(), "{A}");
  EXPECT_EQ(Table()->OwnerAccountId(), "{A}");
  TTransactions loose;
  EXPECT_EQ(loose.OwnerAccountId(), "");
}

TEST_F(TransactionsTest, DateCacheKeepsTheParsedDateUntilCleared) {
  TTransactions* row = Add({"05 Jan 2024"});
  EXPECT_EQ(row->DateValue(), EncodeDate(2024, 1, 5));
  SetText(*row, TTransactions::fDate, "06 Jan 2024");
  EXPECT_EQ(row->DateValue(), EncodeDate(2024, 1, 5));
  row->ClearDateCache();
  EXPECT_EQ(row->DateValue(), EncodeDate(2024, 1, 6));
  // An unparsed date is tried again at every call.
  SetText(*row, TTransactions::fDate, "5 Jan 2024");
  row->ClearDateCache();
  EXPECT_EQ(row->DateValue(), 0);
  SetText(*row, TTransactions::fDate, "07 Jan 2024");
  EXPECT_EQ(row->DateValue(), EncodeDate(2024, 1, 7));
}

// Two months of one account: the sums of a month visit its rows only.
class TransactionSumsTest : public TransactionsTest {
 protected:
  void SetUp() override {
    TransactionsTest::SetUp();
    Add({"05 Jan 2024", 1000, ttIncome, "Income - paycheck"});
    Add({"10 Jan 2024", -30.25, ttExpense, "Food - groceries"});
    Add({"10 Jan 2024", -20.5, ttExpense, "Food"});
    Add({"15 Jan 2024", -7, ttExpense, ""});
    Add({"20 Jan 2024", -100, ttExpense, "Food - groceries"})->Deleted = true;
    Add({"03 Feb 2024", -12, ttExpense, "Food - groceries"});
    Add({"04 Feb 2023", -99, ttExpense, "Food - groceries"});
    Table()->SortTransactions();
  }
};

TEST_F(TransactionSumsTest, SumByType) {
  struct TCase {
    int Year, Month, Day, Type;
    double Sum;
  };
  const TCase cases[] = {
      {2024, 1, 0, ttExpense, -57.75}, {2024, 1, 10, ttExpense, -50.75},
      {2024, 1, 0, ttIncome, 1000},    {2024, 2, 0, ttExpense, -12},
      {2024, 3, 0, ttExpense, 0},      {2024, 0, 0, ttExpense, -69.75},
      {0, 0, 0, ttExpense, -168.75},   {0, 2, 0, ttExpense, -111},
      {2024, 1, 0, ttTransfer, 0},
  };
  for (const TCase& c : cases)
    EXPECT_DOUBLE_EQ(Table()->SumByType(c.Year, c.Month, c.Day, c.Type), c.Sum)
        << c.Year << "/" << c.Month << "/" << c.Day << " type " << c.Type;
}

TEST_F(TransactionSumsTest, SumCategorySelectors) {
  struct TCase {
    std::string Selector;
    bool Main;
    double Sum;
  };
  const TCase cases[] = {
      {kSelectAllCategories, false, -57.75},
      {kSelectUncategorised, false, -7},
      {"Food", false, -20.5},
      {"Food", true, -50.75},
      {"Food - groceries", true, -30.25},
      {"food", true, 0},
      {"Food - groceries", false, -30.25},
  };
  for (const TCase& c : cases) {
    EXPECT_DOUBLE_EQ(Table()->SumCategory(2024, 1, 0, ttExpense, c.Selector, c.Main), c.Sum)
        << c.Selector << " main " << c.Main;
    EXPECT_DOUBLE_EQ(Table()->SumCategoryAllRows(2024, 1, 0, ttExpense, c.Selector, c.Main), c.Sum)
        << c.Selector << " main " << c.Main;
  }
  EXPECT_DOUBLE_EQ(Table()->SumCategoryAllRows(0, 0, 0, ttExpense, "Food - groceries", false),
                   -141.25);
}

TEST_F(TransactionSumsTest, AmountsAreAddedExactly) {
  Table()->Rows().Clear();
  for (int i = 0; i < 10; ++i) Add({"01 Mar 2024", 0.1});
  EXPECT_EQ(Table()->SumByType(2024, 3, 0, ttExpense), 1.0);
}

TEST_F(TransactionSumsTest, ClearedIndexIsRebuiltByTheNextSum) {
  Global().BuildMonthIndex(true);
  Add({"28 Feb 2024", -1, ttExpense, "Food"});
  Table()->SortTransactions();
  Global().ClearMonthIndex();
  EXPECT_DOUBLE_EQ(Table()->SumByType(2024, 2, 0, ttExpense), -13);
  EXPECT_FALSE(Global().MonthIndex.Empty());
}

// Nobody clears the index after a change: the next sum sees the new rows
// and not the removed ones.
TEST_F(TransactionSumsTest, IndexFollowsRowChangesWithoutBeingCleared) {
  Global().BuildMonthIndex(true);
  Add({"28 Feb 2024", -1, ttExpense, "Food"});
  Table()->SortTransactions();
  EXPECT_DOUBLE_EQ(Table()->SumByType(2024, 2, 0, ttExpense), -13);
  Table()->Rows().Delete(Table()->RowCount() - 1);  // February's last row
  EXPECT_DOUBLE_EQ(Table()->SumByType(2024, 2, 0, ttExpense), -12);
  EXPECT_DOUBLE_EQ(Table()->SumByType(2024, 0, 0, ttExpense), -69.75);
}

TEST_F(TransactionsTest, CategoryListOfMainCategories) {
  Add({"", 0, ttExpense, "food - pets"});
  Add({"", 0, ttExpense, "Food - groceries"});
  Add({"", 0, ttIncome, "Income - bonus"});
  Add({"", 0, ttTransfer, "Transfer"});
  Add({"", 0, ttExpense, "Home"})->Deleted = true;
  EXPECT_EQ(Table()->CategoryList(true, false), "food\r\nHome\r\n");
  EXPECT_EQ(Table()->CategoryList(true, true), "food\r\nHome\r\nIncome\r\n");
  EXPECT_EQ(Table()->CategoryList(false, true), "Income\r\n");
  EXPECT_EQ(Table()->CategoryList(false, false), "");
}

}  // namespace
}  // namespace tf::testing

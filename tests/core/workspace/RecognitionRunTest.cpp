#include <gtest/gtest.h>

#include "WorkspaceFixture.h"
#include "workspace/RecognitionRun.h"

namespace tf::testing {
namespace {

std::string CategoryOf(const TTransactions* row) {
  return row->FieldAt(TTransactions::fCategory)->AsString();
}

using RecognitionRunTest = WorkspaceTest;

TEST_F(RecognitionRunTest, CountsTheLiveTransactionsGivenAnotherCategory) {
  TAccount* cheque = AddAccount("Cheque", "{A}");
  TAccount* closed = AddAccount("Closed", "{B}");
  closed->Deleted = true;
  AddPattern("shop", mtContains, "Food");
  AddPattern("salary", mtStartsWith, "", "", ttIncome);  // type only
  AddPattern("fuel", mtContains, "Car", "{B}");          // another account's
  TTransactions* shop = AddTransaction(*cheque, "01 Mar 2010", "SHOP", -10);
  TTransactions* same = AddTransaction(*cheque, "02 Mar 2010", "shop", -5, "Food");
  TTransactions* salary = AddTransaction(*cheque, "03 Mar 2010", "Salary", 9, "Pay");
  TTransactions* locked = AddTransaction(*cheque, "04 Mar 2010", "shop", -1, "Old");
  locked->FieldAt(TTransactions::fLockedForAutoMatching)->SetValue(TVariant::Bool(true));
  TTransactions* fuel = AddTransaction(*cheque, "05 Mar 2010", "fuel", -3);
  TTransactions* deleted = AddTransaction(*cheque, "06 Mar 2010", "shop", -2);
  deleted->Deleted = true;
  TTransactions* hidden = AddTransaction(*closed, "07 Mar 2010", "fuel", -4);

  EXPECT_EQ(ApplyRecognitionCounted(Root()), 1);  // only "SHOP"
  // The run itself is ApplyRecognition's: deleted rows are recognised too.
  EXPECT_EQ(CategoryOf(shop), "Food");
  EXPECT_EQ(CategoryOf(same), "Food");
  EXPECT_EQ(CategoryOf(salary), "Pay");
  EXPECT_EQ(salary->GetTransactionType(), ttIncome);
  EXPECT_EQ(CategoryOf(locked), "Old");
  EXPECT_EQ(CategoryOf(fuel), "");
  EXPECT_EQ(CategoryOf(deleted), "Food");
  EXPECT_EQ(CategoryOf(hidden), "Car");
  EXPECT_EQ(ApplyRecognitionCounted(Root()), 0);  // a second run changes nothing
}

}  // namespace
}  // namespace tf::testing

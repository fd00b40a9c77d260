#include <gtest/gtest.h>

#include "WorkspaceFixture.h"
#include "workspace/TransactionRecognition.h"

namespace tf::testing {
namespace {

struct TransactionRecognitionTest : WorkspaceTest {
  void SetUp() override {
    WorkspaceTest::SetUp();
    AddAccount("Cheque", "{A}");
    AddAccount("Card", "{B}");
    AddPattern("woolworths", mtContains, "Food - groceries");
    AddPattern("salary", mtStartsWith, "Income - paycheck", "{B}", ttIncome);
    AddPattern("fee", mtEndsWith, "", "", ttExpense);
  }
};

TEST_F(TransactionRecognitionTest, SuggestsTheCategoryOfTheFirstMatchingPattern) {
  const struct {
    const char* account;
    const char* description;
    const char* category;
  } cases[] = {
      {"{A}", "  pos WOOLWORTHS sandton ", "Food - groceries"},
      {"{B}", "SALARY MARCH", "Income - paycheck"},
      {"{A}", "SALARY MARCH", ""},  // the pattern is for the other account
      {"{A}", "MONTHLY FEE", ""},   // a match without a category suggests nothing
      {"{X}", "WOOLWORTHS", ""},    // no such account
      {"{A}", "nothing matches", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SuggestedCategory(Root(), c.account, c.description), c.category) << c.description;
}

TEST_F(TransactionRecognitionTest, ADeletedPatternSuggestsNothing) {
  Root().PatternTable()->PatternAt(0)->Deleted = true;
  EXPECT_EQ(SuggestedCategory(Root(), "{A}", "WOOLWORTHS"), "");
}

TEST_F(TransactionRecognitionTest, ANewPatternTakesTheEntry) {
  TImportSettings* pattern =
      NewPatternFromEntry(Root(), "{A}", "Rent to J Smith", "Home - rent", ttTransfer);
  EXPECT_EQ(Root().PatternTable()->RowCount(), 4);
  EXPECT_EQ(Root().PatternTable()->PatternAt(3), pattern);
  EXPECT_EQ(pattern->FieldAt(TImportSettings::fAccountID)->AsString(), "{A}");
  EXPECT_EQ(pattern->FieldAt(TImportSettings::fMatchValue)->AsString(), "Rent to J Smith");
  EXPECT_EQ(pattern->GetMatchType(), mtContains);
  EXPECT_EQ(pattern->FieldAt(TImportSettings::fCategoryName)->AsString(), "Home - rent");
  EXPECT_EQ(pattern->GetTransactionType(), ttTransfer);
}

}  // namespace
}  // namespace tf::testing

#include <gtest/gtest.h>

#include "WorkspaceFixture.h"
#include "base/Formats.h"
#include "workspace/TransactionListing.h"

namespace tf::testing {
namespace {

struct TransactionListingTest : WorkspaceTest {
  TAccount* account = nullptr;
  void SetUp() override {
    WorkspaceTest::SetUp();
    account = AddAccount("Cheque", "{A}");
    AddTransaction(*account, "02 Mar 2010", "WOOLWORTHS SANDTON", -84.99, "Food - groceries");
    AddTransaction(*account, "03 Mar 2010", "Salary", 85.00, "Income - paycheck");
    AddTransaction(*account, "04 Mar 2010", "Fuel", -115.49, "");
    AddTransaction(*account, "05 Mar 2010", "Rent", -116.00, "Home - rent");
    AddTransaction(*account, "06 Mar 2010", "Bank fees N/A", -3.00, "Other - bank charges");
    AddTransaction(*account, "07 Mar 2010", "Pharmacy", 100.50, "Personal - medical 100");
    AddTransaction(*account, "not a date", "Broken date", -1.00, "");
  }

  std::vector<std::string> Listed(const std::string& box, bool ignoreDates = true,
                                  const std::string& from = "01 Mar 2010",
                                  const std::string& to = "31 Mar 2010") {
    const TTransactionListing listing(TransactionFilterText(box), ParseStatementDate(from),
                                      ParseStatementDate(to), ignoreDates);
    std::vector<std::string> descriptions;
    for (const TTransactions* row : listing.List(account->TransactionsTable()))
      descriptions.push_back(row->FieldAt(TTransactions::fDescription)->AsString());
    return descriptions;
  }
};

TEST(TransactionFilterText, TrimsUpperCasesAndIgnoresThePlaceholder) {
  const struct {
    const char* box;
    const char* filter;
  } cases[] = {
      {"", ""},
      {"   ", ""},
      {"filter transactions here", ""},
      {"  filter transactions here ", ""},
      {" woolworths ", "WOOLWORTHS"},
      {"n/a", "N/A"},
      {"Café", "CAFé"},
  };
  for (const auto& c : cases) EXPECT_EQ(TransactionFilterText(c.box), c.filter) << c.box;
}

TEST_F(TransactionListingTest, AnEmptyFilterListsEveryLiveRowInStoredOrder) {
  EXPECT_EQ(Listed("").size(), 7u);
  EXPECT_EQ(Listed("   "), Listed(""));
  EXPECT_EQ(Listed("filter transactions here"), Listed(""));
}

TEST_F(TransactionListingTest, TextFindsDescriptionAndCategoryIgnoringCase) {
  EXPECT_EQ(Listed("woolworths"), (std::vector<std::string>{"WOOLWORTHS SANDTON"}));
  EXPECT_EQ(Listed("GROCERIES"), (std::vector<std::string>{"WOOLWORTHS SANDTON"}));
  EXPECT_EQ(Listed("paycheck"), (std::vector<std::string>{"Salary"}));
}

TEST_F(TransactionListingTest, TextIsFoundAnywhereWhateverTheCaseOfItsFirstLetter) {
  AddTransaction(*account, "08 Mar 2010", "aaAb baab", -1.00, "");
  const struct {
    const char* filter;
    bool listed;
  } cases[] = {
      {"aab", true},          // after a false start on the same letter
      {"ab baab", true},      // the rest of the text, to its last letter
      {"aab a", false},       // not there
      {"aaab baabb", false},  // one longer than the text
      {"AAAB BAAB", true},    // the whole text
      {"b", true},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> listed = Listed(c.filter);
    EXPECT_EQ(std::find(listed.begin(), listed.end(), "aaAb baab") != listed.end(), c.listed)
        << c.filter;
  }
  EXPECT_EQ(Listed("olwor"), (std::vector<std::string>{"WOOLWORTHS SANDTON"}));
  EXPECT_EQ(Listed("ALARY"), (std::vector<std::string>{"Salary"}));
}

TEST_F(TransactionListingTest, HundredFindsAmountsOf85To115OfEitherSignAndTheText100) {
  // -84.99 rounds to 85 and -115.49 to 115; -116 is outside; "medical 100" has the text.
  EXPECT_EQ(Listed("100"),
            (std::vector<std::string>{"WOOLWORTHS SANDTON", "Salary", "Fuel", "Pharmacy"}));
}

TEST_F(TransactionListingTest, NaFindsUncategorisedRowsAndTheTextNA) {
  EXPECT_EQ(Listed("n/a"), (std::vector<std::string>{"Fuel", "Bank fees N/A", "Broken date"}));
  EXPECT_EQ(Listed(" N/A "), Listed("n/a"));
}

TEST_F(TransactionListingTest, ATypedDateFindsThatDay) {
  EXPECT_EQ(Listed("05 mar 2010"), (std::vector<std::string>{"Rent"}));
  EXPECT_EQ(Listed("05-MAR-2010"), (std::vector<std::string>{"Rent"}));
  EXPECT_TRUE(Listed("31 Feb 2010").empty());
}

TEST_F(TransactionListingTest, TheDateRangeKeepsWholeDaysWithBothEnds) {
  EXPECT_EQ(Listed("", false, "03 Mar 2010", "05 Mar 2010"),
            (std::vector<std::string>{"Salary", "Fuel", "Rent"}));
  // A date that does not parse is never inside a range.
  EXPECT_EQ(Listed("broken", false), std::vector<std::string>{});
  EXPECT_EQ(Listed("broken", true), (std::vector<std::string>{"Broken date"}));
}

TEST_F(TransactionListingTest, DeletedRowsAreNeverListed) {
  account->TransactionsTable()->TransactionAt(1)->Deleted = true;
  EXPECT_EQ(Listed("salary"), std::vector<std::string>{});
  EXPECT_EQ(Listed("").size(), 6u);
}

TEST_F(TransactionListingTest, NoTableListsNothing) {
  const TTransactionListing listing("", 0, 0, true);
  EXPECT_TRUE(listing.List(nullptr).empty());
}

TEST_F(TransactionListingTest, LiveAccountsSkipDeletedOnesInTableOrder) {
  AddAccount("Savings", "{B}")->Deleted = true;
  AddAccount("Card", "{C}");
  const auto accounts = LiveAccounts(Root());
  ASSERT_EQ(accounts.size(), 2u);
  EXPECT_EQ(accounts[0], account);
  EXPECT_EQ(accounts[1]->FieldAt(TAccount::fAccountName)->AsString(), "Card");
}

}  // namespace
}  // namespace tf::testing

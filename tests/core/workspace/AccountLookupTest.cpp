#include <gtest/gtest.h>

#include "WorkspaceFixture.h"
#include "workspace/AccountLookup.h"

namespace tf::testing {
namespace {

struct AccountLookupTest : WorkspaceTest {
  void SetUp() override {
    WorkspaceTest::SetUp();
    AddAccount("Cheque", "{A}");
    AddAccount("Savings", "{B}");
    AddAccount("Savings", "{C}");
    AddAccount("{A}", "{D}");  // a name that looks like another account's ID
    AddAccount("Card", "{E}")->Deleted = true;
    AddAccount("Cheque", "{F}")->Deleted = true;
  }
  std::string IdOf(const std::string& wanted) {
    return FindAccountByNameOrId(Root(), wanted).FieldAt(TAccount::fAccountID)->AsString();
  }
};

TEST_F(AccountLookupTest, FindsALiveAccountByIdBeforeName) {
  const std::pair<const char*, const char*> cases[] = {
      {"Cheque", "{A}"},  // the deleted namesake is no clash
      {"{A}", "{A}"},     // the ID wins over the account called "{A}"
      {"{C}", "{C}"},     // an ID tells two namesakes apart
  };
  for (const auto& [wanted, id] : cases) EXPECT_EQ(IdOf(wanted), id) << wanted;
}

TEST_F(AccountLookupTest, NoneOrTwoOfTheNameAreRefusedWithAMessage) {
  const std::pair<const char*, const char*> cases[] = {
      {"Savings", "2 accounts are called \"Savings\"; name the account by its ID."},
      {"Card", "The data file has no account \"Card\"."},  // deleted
      {"{E}", "The data file has no account \"{E}\"."},
      {"cheque", "The data file has no account \"cheque\"."},  // names compare exactly
      {"", "The data file has no account \"\"."},
  };
  for (const auto& [wanted, message] : cases) {
    try {
      FindAccountByNameOrId(Root(), wanted);
      ADD_FAILURE() << wanted << " was found";
    } catch (const EAccountNotFound& error) {
      EXPECT_STREQ(error.what(), message);
    }
  }
}

}  // namespace
}  // namespace tf::testing

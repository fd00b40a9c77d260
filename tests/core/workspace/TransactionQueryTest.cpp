#include <gtest/gtest.h>

#include "WorkspaceFixture.h"
#include "base/Formats.h"
#include "workspace/TransactionQuery.h"

namespace tf::testing {
namespace {

struct TransactionQueryTest : WorkspaceTest {
  TAccount* account = nullptr;
  void SetUp() override {
    WorkspaceTest::SetUp();
    account = AddAccount("Cheque", "{A}");
    AddTransaction(*account, "28 Feb 2010", "Rent", -5000);
    AddTransaction(*account, "01 Mar 2010", "Shop", -84.99, "Food - groceries");
    AddTransaction(*account, "15 Mar 2010", "Salary", 9000);
    AddTransaction(*account, "31 Mar 2010", "Shop late", -20, "Food - groceries");
    AddTransaction(*account, "31 Mar 2010", "Gone", -1)->Deleted = true;
    AddTransaction(*account, "01 Apr 2010", "Fuel", -115);
    AddTransaction(*account, "not a date", "Broken", -1);
  }

  std::vector<std::string> Listed(const std::string& filter, const char* from, const char* to) {
    TTransactionQuery query;
    query.FilterBoxText = filter;
    if (from) query.From = ParseStatementDate(from);
    if (to) query.To = ParseStatementDate(to);
    std::vector<std::string> descriptions;
    for (const TTransactions* row : QueryTransactions(*account, query))
      descriptions.push_back(row->FieldAt(TTransactions::fDescription)->AsString());
    return descriptions;
  }
};

using TNames = std::vector<std::string>;

TEST_F(TransactionQueryTest, EitherEndOfTheRangeMayBeOpen) {
  const struct {
    const char* From;
    const char* To;
    TNames Listed;
  } cases[] = {
      {nullptr, nullptr, {"Rent", "Shop", "Salary", "Shop late", "Fuel", "Broken"}},
      {"01 Mar 2010", nullptr, {"Shop", "Salary", "Shop late", "Fuel"}},
      {nullptr, "31 Mar 2010", {"Rent", "Shop", "Salary", "Shop late"}},
      {"01 Mar 2010", "31 Mar 2010", {"Shop", "Salary", "Shop late"}},
      {"15 Mar 2010", "15 Mar 2010", {"Salary"}},
      {"01 Apr 2010", "31 Mar 2010", {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Listed("", c.From, c.To), c.Listed)
        << (c.From ? c.From : "-") << " to " << (c.To ? c.To : "-");
}

TEST_F(TransactionQueryTest, TheFilterOfThePageNarrowsTheRange) {
  EXPECT_EQ(Listed(" shop ", nullptr, nullptr), (TNames{"Shop", "Shop late"}));
  EXPECT_EQ(Listed("groceries", "15 Mar 2010", nullptr), (TNames{"Shop late"}));
  EXPECT_EQ(Listed("n/a", nullptr, "31 Mar 2010"), (TNames{"Rent", "Salary"}));
  EXPECT_EQ(Listed("100", nullptr, nullptr), (TNames{"Shop", "Fuel"}));  // amounts near 100
  EXPECT_EQ(Listed("filter transactions here", "01 Apr 2010", nullptr), (TNames{"Fuel"}));
}

}  // namespace
}  // namespace tf::testing

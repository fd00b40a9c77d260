#include <gtest/gtest.h>

#include "WorkspaceFixture.h"
#include "workspace/AccountEntry.h"

namespace tf::testing {
namespace {

struct AccountEntryTest : WorkspaceTest {
  TAccount* account = nullptr;
  void SetUp() override {
    WorkspaceTest::SetUp();
    account = AddAccount("Cheque", "{A}");
    account->FieldAt(TAccount::fStartingBalance)
        ->SetValue(TVariant::Currency(TCurrency::FromUnits(1000)));
    AddTransaction(*account, "01 Jan 2010", "a", -300);
    AddTransaction(*account, "02 Jan 2010", "b", 50);
    AddTransaction(*account, "03 Jan 2010", "deleted", -999)->Deleted = true;
    Root().RecalculateBalances();
  }
  TCurrency Balance() const { return account->FieldAt(TAccount::fBalance)->AsCurrency(); }
};

TEST(AccountEntry, TheSixTypesInTheirOrder) {
  EXPECT_EQ(AccountTypeItems(),
            (std::vector<std::string>{"Current Account", "Credit Card", "Saving Account",
                                      "Home Loan", "Vehicle Loan", "Other"}));
}

TEST(AccountEntry, FourteenColoursSortedAsTextAndTheColoursTheyMean) {
  const struct {
    const char* stored;
    TColor rgb;
  } expected[] = {
      {"11366697", 0x2971AD}, {"1250231", 0xB71313},  {"12740093", 0xFD65C2},
      {"13937996", 0x4CADD4}, {"14573824", 0x0061DE}, {"14595740", 0x9CB6DE},
      {"2215720", 0x28CF21},  {"4763379", 0xF3AE48},  {"47690", 0x4ABA00},
      {"50175", 0xFFC300},    {"6080154", 0x9AC65C},  {"6711039", 0xFF6666},
      {"8078592", 0x00457B},  {"8651007", 0xFF0084},
  };
  const auto& items = AccountColourItems();
  ASSERT_EQ(items.size(), 14u);
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i], expected[i].stored);
    EXPECT_EQ(AccountColourRgb(std::stoi(items[i])), expected[i].rgb) << items[i];
  }
  EXPECT_EQ(AccountColourRgb(0), 0x000000u);
}

TEST(AccountEntry, ANameAndATypeAreNeeded) {
  EXPECT_TRUE(IsAccountEntryValid("Cheque", 0));
  EXPECT_FALSE(IsAccountEntryValid("  ", 0));
  EXPECT_FALSE(IsAccountEntryValid("Cheque", -1));
}

TEST_F(AccountEntryTest, ANewCurrentBalanceRecomputesTheStartingBalance) {
  ASSERT_EQ(Balance(), TCurrency::FromUnits(750));
  const std::string shown = Global().FormatAmount(Balance());
  ASSERT_EQ(shown, "750.00");
  const TCurrency starting = StartingBalanceAfterEdit(*account, shown, "800.00");
  EXPECT_EQ(starting, TCurrency::FromUnits(1050));
  account->FieldAt(TAccount::fStartingBalance)->SetValue(TVariant::Currency(starting));
  Root().RecalculateBalances();
  EXPECT_EQ(Balance(), TCurrency::FromUnits(800));
}

TEST_F(AccountEntryTest, AnUnchangedBalanceKeepsTheStartingBalance) {
  const struct {
    const char* loaded;
    const char* entered;
    double starting;
  } cases[] = {
      {"750.00", "750.00", 1000},  // as shown
      {"750.00", "750", 1000},     // another text of the same amount
      {"750.00", "0", 250},        // a real change to zero
      {"750.00", "abc", 250},      // no number: zero
      {"750.00", "1,000.50", 1250.50},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StartingBalanceAfterEdit(*account, c.loaded, c.entered),
              TCurrency::FromDouble(c.starting))
        << c.entered;
}

TEST_F(AccountEntryTest, ABalanceShownRoundedIsNoChange) {
  account->FieldAt(TAccount::fStartingBalance)
      ->SetValue(TVariant::Currency(TCurrency::FromDouble(1000.0049)));
  Root().RecalculateBalances();
  const std::string shown = Global().FormatAmount(Balance());
  EXPECT_EQ(StartingBalanceAfterEdit(*account, shown, shown), TCurrency::FromDouble(1000.0049));
}

}  // namespace
}  // namespace tf::testing

#include <gtest/gtest.h>

#include "WorkspaceFixture.h"
#include "base/Formats.h"
#include "workspace/TransactionEntry.h"

namespace tf::testing {
namespace {

using TransactionEntryTest = WorkspaceTest;

TEST(TransactionEntry, TheDateIsADayAsPeopleTypeIt) {
  const struct {
    const char* text;
    bool valid;
  } cases[] = {
      {"01 Jan 2010", true},   {"01-Jan-2010", true},
      {"01/jan/2010", true},   {" 01 Jan 2010 ", true},
      {"1 Jan 2010", true},    {"7 DEC 2026", true},
      {"31 Feb 2010", false},  {"29 Feb 2012", true},
      {"01 Jan 20100", false}, {"", false},
      {"01 Foo 2010", false},  {"1 Jan 10", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsEntryDateValid(c.text), c.valid) << c.text;
}

TEST(TransactionEntry, TheInputNeedsADateAndADescription) {
  EXPECT_TRUE(IsTransactionEntryValid("01 Jan 2010", "Rent"));
  EXPECT_FALSE(IsTransactionEntryValid("01 Jan 2010", ""));
  EXPECT_FALSE(IsTransactionEntryValid("01 Jan 2010", "   \t"));
  EXPECT_FALSE(IsTransactionEntryValid("1 Jan 201", "Rent"));
}

TEST(TransactionEntry, CategoryFromParts) {
  EXPECT_EQ(CategoryFromParts("", ""), "");
  EXPECT_EQ(CategoryFromParts("  ", " "), "");
  EXPECT_EQ(CategoryFromParts("Food", ""), "Food - ");
  EXPECT_EQ(CategoryFromParts("Food", "pets"), "Food - pets");
  EXPECT_EQ(CategoryFromParts("", "pets"), " - pets");
}

TEST_F(TransactionEntryTest, StoringNormalisesTheDateAndClearsTheCachedDay) {
  TAccount* account = AddAccount("Cheque", "{A}");
  TTransactions* row = AddTransaction(*account, "05 Jan 2008", "Old", -5);
  ASSERT_EQ(FormatDisplayDate(row->DateValue()), "05 Jan 2008");
  TTransactionEntry entry = LoadTransactionEntry(*row, Global().NumberFormat());
  EXPECT_EQ(entry.Amount, "-5.00");
  entry.Date = "1 jan 2010";
  entry.Description = " New ";
  entry.Category = "Food - ";
  entry.Amount = "-12,5";
  entry.Type = ttTransfer;
  entry.Locked = true;
  StoreTransactionEntry(*row, entry, Global().NumberFormat());
  EXPECT_EQ(row->FieldAt(TTransactions::fDate)->AsString(), "01 Jan 2010");
  EXPECT_EQ(FormatDisplayDate(row->DateValue()), "01 Jan 2010");
  EXPECT_EQ(row->FieldAt(TTransactions::fDescription)->AsString(), " New ");
  EXPECT_EQ(row->FieldAt(TTransactions::fCategory)->AsString(), "Food - ");
  EXPECT_EQ(row->FieldAt(TTransactions::fAmount)->AsCurrency(), TCurrency::FromDouble(-12.5));
  EXPECT_EQ(row->GetTransactionType(), ttTransfer);
  EXPECT_TRUE(row->FieldAt(TTransactions::fLockedForAutoMatching)->AsBool());
}

TEST_F(TransactionEntryTest, AnAmountThatDoesNotParseIsStoredAsZero) {
  TTransactions* row = AddTransaction(*AddAccount("Cheque", "{A}"), "05 Jan 2008", "x", 7);
  TTransactionEntry entry = LoadTransactionEntry(*row, Global().NumberFormat());
  entry.Amount = "-";
  StoreTransactionEntry(*row, entry, Global().NumberFormat());
  EXPECT_EQ(row->FieldAt(TTransactions::fAmount)->AsCurrency(), TCurrency{});
}

TEST_F(TransactionEntryTest, AnAmountLeftAsShownKeepsItsFourDecimals) {
  TTransactions* row = AddTransaction(*AddAccount("Cheque", "{A}"), "05 Jan 2008", "x", 1234.5678);
  const TTransactionEntry entry = LoadTransactionEntry(*row, Global().NumberFormat());
  EXPECT_EQ(entry.Amount, "1,234.57");
  StoreTransactionEntry(*row, entry, Global().NumberFormat());
  EXPECT_EQ(row->FieldAt(TTransactions::fAmount)->AsCurrency(), TCurrency::FromDouble(1234.5678));
}

}  // namespace
}  // namespace tf::testing

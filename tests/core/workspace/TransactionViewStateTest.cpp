#include <gtest/gtest.h>

#include "base/Formats.h"
#include "model/Account.h"
#include "workspace/TransactionViewState.h"

namespace tf {
namespace {

std::string Stored(const TAccount& root, int field) {
  return root.ListFieldAt(field)->AsString();
}

TEST(TransactionViewState, IsWrittenAsDisplayDatesAndAFlag) {
  TAccount root;
  StoreViewState(
      root, {{ParseStatementDate("05 Mar 2010") + 0.5, ParseStatementDate("20 Mar 2010")}, true});
  EXPECT_EQ(Stored(root, TAccount::lfStartDate), "05 Mar 2010");
  EXPECT_EQ(Stored(root, TAccount::lfEndDate), "20 Mar 2010");
  EXPECT_TRUE(root.ListFieldAt(TAccount::lfIgnoreDates)->AsBool());
}

TEST(TransactionViewState, RoundTripsThroughAFile) {
  const std::string path = ::testing::TempDir() + "/viewstate.tfold";
  TAccount written;
  StoreViewState(written,
                 {{ParseStatementDate("01 Feb 2011"), ParseStatementDate("28 Feb 2011")}, false});
  written.SaveToFile(path, true);
  TAccount read;
  read.LoadFromFile(path, true);
  TTransactionViewState state{MonthRange(ParseStatementDate("10 Jul 2020")), true};
  RestoreViewState(read, state);
  EXPECT_EQ(FormatDisplayDate(state.Range.From), "01 Feb 2011");
  EXPECT_EQ(FormatDisplayDate(state.Range.To), "28 Feb 2011");
  EXPECT_FALSE(state.IgnoreDates);
}

TEST(TransactionViewState, DatesThatDoNotParseKeepTheCurrentOnes) {
  TAccount root;
  root.ListFieldAt(TAccount::lfStartDate)->SetValue(TVariant::String(""));
  root.ListFieldAt(TAccount::lfEndDate)->SetValue(TVariant::String("31 Feb 2011"));
  root.ListFieldAt(TAccount::lfIgnoreDates)->SetValue(TVariant::Bool(true));
  TTransactionViewState state{MonthRange(ParseStatementDate("10 Jul 2020")), false};
  RestoreViewState(root, state);
  EXPECT_EQ(FormatDisplayDate(state.Range.From), "01 Jul 2020");
  EXPECT_EQ(FormatDisplayDate(state.Range.To), "31 Jul 2020");
  EXPECT_TRUE(state.IgnoreDates);
}

}  // namespace
}  // namespace tf

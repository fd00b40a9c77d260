// What the page says after a statement import: the rows new since the
// snapshot, the account they went to, their days, and whether the range
// shown leaves some of them out.
#include <gtest/gtest.h>

#include "WorkspaceFixture.h"
#include "base/Formats.h"
#include "workspace/ImportOutcome.h"

namespace tf::testing {
namespace {

struct ImportOutcomeTest : WorkspaceTest {
  TAccount* Cheque = nullptr;
  TAccount* Card = nullptr;
  void SetUp() override {
    WorkspaceTest::SetUp();
    Cheque = AddAccount("Cheque", "{A}");
    Card = AddAccount("Card", "{B}");
    AddTransaction(*Cheque, "15 Dec 2026", "Old", -1);
  }
  static TDateTime Day(const char* text) { return ParseStatementDate(text); }
};

TEST_F(ImportOutcomeTest, CountsOnlyTheLiveRowsAddedSinceTheSnapshot) {
  const TRowsSnapshot before = SnapshotRows(Root());
  AddTransaction(*Cheque, "30 Nov 2026", "B", -2);
  AddTransaction(*Cheque, "02 Nov 2026", "A", -3);
  AddTransaction(*Cheque, "not a date", "Undated", -3);
  AddTransaction(*Card, "05 Oct 2026", "Elsewhere", -4);
  AddTransaction(*Cheque, "01 Jan 2020", "Gone", -5)->Deleted = true;
  const TImportOutcome outcome = NewRowsSince(Root(), before);
  EXPECT_EQ(outcome.Count, 4);
  EXPECT_EQ(outcome.Account, Cheque);
  EXPECT_EQ(outcome.First, Day("05 Oct 2026"));
  EXPECT_EQ(outcome.Last, Day("30 Nov 2026"));
  EXPECT_EQ(ImportOutcomeMessage(outcome),
            "4 transactions imported into Cheque, 05 Oct 2026 to 30 Nov 2026.");
  const TDateRange months = RangeOfMonths(outcome);
  EXPECT_EQ(months.From, Day("01 Oct 2026"));
  EXPECT_EQ(months.To, Day("30 Nov 2026"));
}

TEST_F(ImportOutcomeTest, NothingNewSaysSo) {
  const TRowsSnapshot before = SnapshotRows(Root());
  const TImportOutcome outcome = NewRowsSince(Root(), before);
  EXPECT_EQ(outcome.Count, 0);
  EXPECT_EQ(outcome.Account, nullptr);
  EXPECT_EQ(ImportOutcomeMessage(outcome),
            "No new transactions: the statement's rows were imported before.");
  EXPECT_FALSE(OutsideRange(outcome, MonthRange(Day("01 Dec 2026")), false));
}

TEST_F(ImportOutcomeTest, OneRowOnOneDay) {
  const TRowsSnapshot before = SnapshotRows(Root());
  AddTransaction(*Card, "07 Dec 2026", "Only", -1);
  const TImportOutcome outcome = NewRowsSince(Root(), before);
  EXPECT_EQ(ImportOutcomeMessage(outcome), "1 transaction imported into Card, 07 Dec 2026.");
}

TEST_F(ImportOutcomeTest, TheRangeShownLeavesRowsOutUnlessItHoldsThemAll) {
  TImportOutcome outcome;
  outcome.Count = 36;
  outcome.First = Day("02 Nov 2026");
  outcome.Last = Day("30 Nov 2026");
  const struct {
    const char* From;
    const char* To;
    bool Ignore;
    bool Outside;
  } cases[] = {
      {"01 Dec 2026", "31 Dec 2026", false, true},  // another month
      {"01 Nov 2026", "30 Nov 2026", false, false},
      {"15 Nov 2026", "31 Dec 2026", false, true},  // part of them
      {"01 Oct 2026", "31 Dec 2026", false, false},
      {"01 Dec 2026", "31 Dec 2026", true, false},  // dates ignored
  };
  for (const auto& c : cases)
    EXPECT_EQ(OutsideRange(outcome, {Day(c.From), Day(c.To)}, c.Ignore), c.Outside)
        << c.From << " to " << c.To;
  outcome.First = outcome.Last = 0;  // no readable date: listed only with dates ignored
  EXPECT_TRUE(OutsideRange(outcome, {Day("01 Nov 2026"), Day("30 Nov 2026")}, false));
}

}  // namespace
}  // namespace tf::testing

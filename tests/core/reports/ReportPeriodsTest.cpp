#include <gtest/gtest.h>

#include "reports/ReportPeriods.h"

namespace tf {
namespace {

TEST(ReportPeriodsTest, QuickChoicesOnAGivenDay) {
  const TDateTime today = EncodeDate(2024, 2, 29) + EncodeTime(15, 30, 0);
  struct TCase {
    TQuickPeriod Choice;
    TDateTime From, LastDay;
  };
  for (const TCase& c :
       {TCase{TQuickPeriod::ThisYear, EncodeDate(2024, 1, 1), EncodeDate(2024, 12, 31)},
        TCase{TQuickPeriod::LastYear, EncodeDate(2023, 1, 1), EncodeDate(2023, 12, 31)},
        TCase{TQuickPeriod::LastThreeMonths, EncodeDate(2023, 11, 1), EncodeDate(2024, 2, 29)},
        TCase{TQuickPeriod::LastTwelveMonths, EncodeDate(2023, 3, 1), EncodeDate(2024, 2, 29)},
        TCase{TQuickPeriod::ThisMonth, EncodeDate(2024, 2, 1), EncodeDate(2024, 2, 29)}}) {
    const TPeriod period = QuickPeriod(c.Choice, today);
    EXPECT_EQ(period.From, c.From) << int(c.Choice);
    EXPECT_EQ(DateOf(period.To), c.LastDay) << int(c.Choice);
    EXPECT_GT(period.To - DateOf(period.To), 0.9999) << "the last day is included to its end";
  }
}

TEST(ReportPeriodsTest, PeriodKeptInOrder) {
  const TPeriod reversed{EncodeDate(2024, 6, 10), EncodeDate(2023, 3, 5)};
  EXPECT_EQ(DateOf(OrderedAfterCloseUp(reversed, TPeriodEdge::From).To), EncodeDate(2024, 12, 31));
  const TPeriod fromPulled = OrderedAfterCloseUp(reversed, TPeriodEdge::To);
  EXPECT_EQ(fromPulled.From, EncodeDate(2023, 1, 1));
  EXPECT_EQ(fromPulled.To, reversed.To);
  EXPECT_EQ(DateOf(OrderedAfterChange(reversed).To), EncodeDate(2024, 12, 31));
  const TPeriod inOrder{EncodeDate(2023, 3, 5), EncodeDate(2023, 3, 5)};
  EXPECT_EQ(OrderedAfterChange(inOrder).To, inOrder.To);
  EXPECT_EQ(OrderedAfterCloseUp(inOrder, TPeriodEdge::To).From, inOrder.From);
}

TEST(ReportPeriodsTest, MonthTitles) {
  EXPECT_EQ(MonthTitle(EncodeDate(2024, 3, 31)), "Mar 2024");
}

}  // namespace
}  // namespace tf

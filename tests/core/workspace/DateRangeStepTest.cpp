#include <gtest/gtest.h>

#include "base/Formats.h"
#include "workspace/DateRangeStep.h"

namespace tf {
namespace {

TDateRange Range(const char* from, const char* to) {
  return {ParseStatementDate(from), ParseStatementDate(to)};
}

std::string Text(const TDateRange& range) {
  return FormatDisplayDate(range.From) + " - " + FormatDisplayDate(range.To);
}

TEST(MonthRange, IsTheFirstToTheLastDayOfTheMonth) {
  EXPECT_EQ(Text(MonthRange(ParseStatementDate("17 Feb 2012"))), "01 Feb 2012 - 29 Feb 2012");
  EXPECT_EQ(Text(MonthRange(ParseStatementDate("31 Dec 2010") + 0.75)),
            "01 Dec 2010 - 31 Dec 2010");
}

TEST(StepDateRange, StepsWholeMonthsByAMonthAndOtherRangesByTheirLength) {
  const struct {
    const char* from;
    const char* to;
    bool next;
    const char* expected;
  } cases[] = {
      {"01 Mar 2010", "31 Mar 2010", false, "01 Feb 2010 - 28 Feb 2010"},
      {"01 Mar 2010", "31 Mar 2010", true, "01 Apr 2010 - 30 Apr 2010"},
      {"05 Mar 2010", "20 Mar 2010", false, "18 Feb 2010 - 05 Mar 2010"},
      {"05 Mar 2010", "20 Mar 2010", true, "20 Mar 2010 - 04 Apr 2010"},
      {"01 Jan 2010", "31 Mar 2010", true, "01 Feb 2010 - 28 Feb 2010"},
      {"01 Jan 2010", "31 Mar 2010", false, "01 Dec 2009 - 31 Dec 2009"},
      {"01 Dec 2010", "31 Dec 2010", true, "01 Jan 2011 - 31 Jan 2011"},
      {"01 Mar 2012", "31 Mar 2012", false, "01 Feb 2012 - 29 Feb 2012"},
      {"01 Mar 2010", "30 Mar 2010", false, "31 Jan 2010 - 01 Mar 2010"},
      {"05 Mar 2010", "05 Mar 2010", false, "04 Mar 2010 - 04 Mar 2010"},
      {"05 Mar 2010", "05 Mar 2010", true, "06 Mar 2010 - 06 Mar 2010"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Text(StepDateRange(Range(c.from, c.to), c.next)), c.expected)
        << c.from << " - " << c.to << (c.next ? " Next" : " Previous");
}

TEST(StepDateRange, IgnoresTheTimeOfDay) {
  TDateRange range = Range("01 Mar 2010", "31 Mar 2010");
  range.From += 0.5;
  range.To += 0.25;
  EXPECT_EQ(Text(StepDateRange(range, false)), "01 Feb 2010 - 28 Feb 2010");
}

TEST(RangeCorrections, AnEndBeforeTheStartIsCorrected) {
  EXPECT_EQ(Text(RangeAfterChange(Range("10 Mar 2010", "02 Mar 2010"))),
            "10 Mar 2010 - 31 Mar 2010");
  EXPECT_EQ(Text(RangeAfterChange(Range("10 Mar 2010", "10 Mar 2010"))),
            "10 Mar 2010 - 10 Mar 2010");
  EXPECT_EQ(Text(RangeAfterCloseUp(Range("10 Mar 2010", "02 Feb 2010"), true)),
            "10 Mar 2010 - 31 Mar 2010");
  EXPECT_EQ(Text(RangeAfterCloseUp(Range("10 Mar 2010", "02 Feb 2010"), false)),
            "01 Feb 2010 - 02 Feb 2010");
  EXPECT_EQ(Text(RangeAfterCloseUp(Range("01 Mar 2010", "02 Mar 2010"), false)),
            "01 Mar 2010 - 02 Mar 2010");
}

}  // namespace
}  // namespace tf

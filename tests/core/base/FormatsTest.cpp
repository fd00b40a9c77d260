// Date and amount display forms, their lenient readers and the loose
// comparisons of the transaction views.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/Formats.h"

namespace tf {
namespace {

constexpr double kDefault = -999;

struct TDateCase {
  const char* Text;
  int Year, Month, Day;  // 0, 0, 0 for the zero date
};

TEST(ParseStatementDate, ReadsTheDisplayLayoutAndRejectsTheRest) {
  const TDateCase cases[] = {
      {"05 Jan 2008", 2008, 1, 5},
      {"01 jan 2008", 2008, 1, 1},
      {"05-jan-2008", 2008, 1, 5},
      {"05/JAN/2008", 2008, 1, 5},
      {"29 Feb 2008", 2008, 2, 29},
      {"31 Dec 1999 trailing text", 1999, 12, 31},
      {"31 Feb 2008", 0, 0, 0},
      {"29 Feb 2007", 0, 0, 0},
      {"5 Jan 2008", 0, 0, 0},
      {"05 Jax 2008", 0, 0, 0},
      {"00 Jan 2008", 0, 0, 0},
      {"05 Jan", 0, 0, 0},
      {"", 0, 0, 0},
      {"xx Jan 2008", 0, 0, 0},
  };
  for (const TDateCase& c : cases) {
    const TDateTime expected = c.Year == 0 ? 0 : EncodeDate(c.Year, c.Month, c.Day);
    EXPECT_EQ(ParseStatementDate(c.Text), expected) << c.Text;
  }
}

TEST(ParseTypedDate, TakesOneOrTwoDigitDaysAndMonthNamesInAnyCase) {
  const TDateCase cases[] = {
      {"05 Jan 2008", 2008, 1, 5},  {"7 Dec 2026", 2026, 12, 7},   {"7 dec 2026", 2026, 12, 7},
      {"07 DEC 2026", 2026, 12, 7}, {" 7-Dec-2026 ", 2026, 12, 7}, {"7/dec/2026", 2026, 12, 7},
      {"05_jan_2008", 2008, 1, 5},  // as the statement reader takes it
      {"31 Feb 2008", 0, 0, 0},     {"0 Jan 2008", 0, 0, 0},       {"123 Jan 2008", 0, 0, 0},
      {"7 Dec 26", 0, 0, 0},        {"7 Dec 2026 x", 0, 0, 0},     {"7  Dec 2026", 0, 0, 0},
      {"07 12 2026", 0, 0, 0},      {"7 Dez 2026", 0, 0, 0},       {"", 0, 0, 0},
  };
  for (const TDateCase& c : cases) {
    const TDateTime expected = c.Year == 0 ? 0 : EncodeDate(c.Year, c.Month, c.Day);
    EXPECT_EQ(ParseTypedDate(c.Text), expected) << c.Text;
  }
}

TEST(IsAmountText, HoldsExactlyWhenParseAmountFindsANumber) {
  for (const char* text : {"12,50", "-1,234.56", "1 234,56", "R 12.00", "0", "-0.5"})
    EXPECT_TRUE(IsAmountText(text)) << text;
  for (const char* text : {"", " ", "-", "0.00-1,234.56", "1.2.3", "1-2", "abc"}) {
    EXPECT_FALSE(IsAmountText(text)) << text;
    EXPECT_EQ(ParseAmount(text, kDefault), kDefault) << text;
  }
}

TEST(FormatDisplayDate, PadsTheDayAndLeavesTheZeroDateEmpty) {
  EXPECT_EQ(FormatDisplayDate(0), "");
  EXPECT_EQ(FormatDisplayDate(EncodeDate(2008, 1, 5)), "05 Jan 2008");
  EXPECT_EQ(FormatDisplayDate(EncodeDate(2008, 12, 31) + EncodeTime(18, 30, 0)), "31 Dec 2008");
  const TDateTime date = EncodeDate(2010, 7, 9);
  EXPECT_EQ(ParseStatementDate(FormatDisplayDate(date)), date);
}

struct TAmountCase {
  const char* Text;
  double Expected;  // kDefault when the default comes back
};

TEST(ParseAmount, SettlesTheDecimalMarkAndDropsDecoration) {
  const TAmountCase cases[] = {
      {"12,50", 12.5},
      {"1.234,56", 1234.56},
      {"1.234.567,89", 1234567.89},
      {"1,234.56", 1234.56},
      {"1,234", 1.234},
      {"R 1 234.50", 1234.5},
      {"(12.00)", 12},
      {"-5", -5},
      {"R -1,50", -1.5},
      {".5", 0.5},
      {"5.", 5},
      {"12.34.56", kDefault},
      {"1,234,567", kDefault},
      {"-", kDefault},
      {"5-", kDefault},
      {"--5", kDefault},
      {"", kDefault},
      {"abc", kDefault},
      {".", kDefault},
  };
  for (const TAmountCase& c : cases) {
    EXPECT_DOUBLE_EQ(ParseAmount(c.Text, kDefault), c.Expected) << c.Text;
  }
}

TEST(ParseAmountCurrency, ReadsTheSameFormsExactly) {
  const TCurrency fallback = TCurrency::FromUnits(-1);
  EXPECT_EQ(ParseAmountCurrency("1.234.567,89", fallback), TCurrency::FromRaw(12345678900));
  EXPECT_EQ(ParseAmountCurrency("R 0,10", fallback), TCurrency::FromRaw(1000));
  EXPECT_EQ(ParseAmountCurrency("12.34.56", fallback), fallback);
  EXPECT_EQ(ParseAmountCurrency("-", fallback), fallback);
}

TEST(SameMonth, ComparesYearAndMonthOnly) {
  EXPECT_TRUE(SameMonth(EncodeDate(2008, 3, 1), EncodeDate(2008, 3, 31) + 0.9));
  EXPECT_FALSE(SameMonth(EncodeDate(2008, 3, 31), EncodeDate(2008, 4, 1)));
  EXPECT_FALSE(SameMonth(EncodeDate(2008, 3, 15), EncodeDate(2009, 3, 15)));
}

TEST(DateInRange, IncludesBothEndsAndIgnoresTimes) {
  const TDateTime from = EncodeDate(2008, 1, 10) + 0.75;  // times on the bounds do not count
  const TDateTime to = EncodeDate(2008, 1, 20) + 0.25;
  EXPECT_TRUE(DateInRange(EncodeDate(2008, 1, 10), from, to));
  EXPECT_TRUE(DateInRange(EncodeDate(2008, 1, 20) + 0.99, from, to));
  EXPECT_FALSE(DateInRange(EncodeDate(2008, 1, 9) + 0.99, from, to));
  EXPECT_FALSE(DateInRange(EncodeDate(2008, 1, 21), from, to));
  EXPECT_FALSE(DateInRange(EncodeDate(2008, 1, 15), to, from));
}

struct TCloseCase {
  double Reference, Candidate;
  bool Expected;
};

TEST(AmountsClose, AllowsFifteenPercentOfTheWholeMagnitude) {
  const TCloseCase cases[] = {
      {100, -110, true},  // tolerance 15, signs ignored
      {100, 115, true},    {100, 85, true},
      {100, 115.6, false},  // 116 after rounding
      {100, 84.4, false},  {-100, 100, true},
      {0, 0, false},       {0.4, 0, false},   // the reference rounds to 0
      {0.5, 0, false},                        // halves to even: 0
      {1.5, 2, true},                         // 2, tolerance 0 (0.3)
      {1.5, 1, false},     {30, 26, true},    // 4.5 halves to even: tolerance 4
      {30, 25, false},     {30, 34.5, true},  // 34 after rounding
      {10, 12, true},                         // 1.5 halves to even: tolerance 2
      {10, 12.5, true},                       // 12 after rounding
      {10, 13, false},     {std::numeric_limits<double>::quiet_NaN(), 1, false},
  };
  for (const TCloseCase& c : cases) {
    EXPECT_EQ(AmountsClose(c.Reference, c.Candidate), c.Expected)
        << c.Reference << " vs " << c.Candidate;
  }
}

}  // namespace
}  // namespace tf

#include <gtest/gtest.h>

#include "store/Currency.h"
#include "store/DateTime.h"
#include "store/Variant.h"

namespace tf {
namespace {

TEST(Currency, TextRoundTrip) {
  struct Case {
    const char* text;
    std::int64_t raw;
    const char* back;
  };
  const Case cases[] = {
      {"12.5", 125000, "12.5"},  {"-12.34", -123400, "-12.34"},
      {"  7 ", 70000, "7"},      {"0.0001", 1, "0.0001"},
      {"0.00005", 0, "0"},       {"0.00015", 2, "0.0002"},  // halves to even
      {"1.5e2", 1500000, "150"}, {"+3.", 30000, "3"},
      {".25", 2500, "0.25"},     {"922337203685477.5807", INT64_MAX, "922337203685477.5807"},
  };
  for (const Case& c : cases) {
    TCurrency value;
    ASSERT_TRUE(TryTextToCurrency(c.text, value)) << c.text;
    EXPECT_EQ(value.Raw, c.raw) << c.text;
    EXPECT_EQ(CurrencyToText(value), c.back) << c.text;
  }
}

TEST(Currency, RefusesWhatIsNoNumber) {
  for (const char* text : {"", "abc", "12x", "1.2.3", "--1", "1e", "922337203685477.5808", "1 2"}) {
    TCurrency value;
    EXPECT_FALSE(TryTextToCurrency(text, value)) << text;
  }
}

TEST(Currency, GroupedForm) {
  EXPECT_EQ(FormatCurrencyGrouped(TCurrency{1234567800}, ",", "."), "123,456.78");
  EXPECT_EQ(FormatCurrencyGrouped(TCurrency{-50000}, ",", "."), "-5.00");
  EXPECT_EQ(FormatCurrencyGrouped(TCurrency{1234567800}, " ", ","), "123 456,78");
  EXPECT_EQ(FormatCurrencyGrouped(TCurrency{125}, ",", "."), "0.01");  // 0.0125 away from zero
  EXPECT_EQ(FormatCurrencyGrouped(TCurrency{-125}, ",", "."), "-0.01");
}

TEST(DateTime, DaysSince1899) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(2008, 1, 5), 39452);
  EXPECT_EQ(EncodeDate(2008, 2, 30), 0);
  int y, m, d;
  DecodeDate(39452.75, y, m, d);
  EXPECT_EQ(y * 10000 + m * 100 + d, 20080105);
  EXPECT_EQ(FormatDayMonthYear(EncodeDate(2024, 2, 29)), "29 Feb 2024");
}

TEST(Variant, FloatText) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {{0.1, "0.1"},
                        {-2.5, "-2.5"},
                        {100, "100"},
                        {1e15, "1E15"},
                        {123456789012345, "123456789012345"},
                        {0.00001, "0.00001"},
                        {0.000001, "1E-6"},
                        {1.0 / 3, "0.333333333333333"}};
  for (const Case& c : cases) EXPECT_EQ(FloatToText(c.value), c.text) << c.value;
  double back;
  ASSERT_TRUE(TryTextToDouble("1E-6", back));
  EXPECT_DOUBLE_EQ(back, 1e-6);
}

TEST(Variant, IntegerAndBooleanText) {
  std::int32_t i;
  EXPECT_TRUE(TryTextToInt32("$1F", i));
  EXPECT_EQ(i, 31);
  EXPECT_TRUE(TryTextToInt32("-2147483648", i));
  EXPECT_FALSE(TryTextToInt32("2147483648", i));
  EXPECT_FALSE(TryTextToInt32("12x", i));
  EXPECT_FALSE(TryTextToInt32(" 1", i));
  bool b;
  EXPECT_TRUE(TryTextToBool("tRuE", b) && b);
  EXPECT_TRUE(TryTextToBool("0", b) && !b);
  EXPECT_TRUE(TryTextToBool("-3", b) && b);
  EXPECT_FALSE(TryTextToBool("yes", b));
}

}  // namespace
}  // namespace tf

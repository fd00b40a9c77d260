#include <gtest/gtest.h>

#include <climits>

#include "calculators/CalcNumbers.h"

namespace tf {
namespace {

struct TReadCase {
  const char* Text;
  double Expected;
};

class ReadMemoAmountTest : public ::testing::TestWithParam<TReadCase> {};

TEST_P(ReadMemoAmountTest, ReadsLeniently) {
  EXPECT_DOUBLE_EQ(ReadMemoAmount(GetParam().Text), GetParam().Expected) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadMemoAmountTest,
    ::testing::Values(TReadCase{"12,50", 12.5}, TReadCase{"1.234,56", 1234.56},
                      TReadCase{"1,234.56", 1234.56}, TReadCase{"1.234.567,89", 1234567.89},
                      TReadCase{"R 1 234.50", 1234.5}, TReadCase{"(12.00)", 12},
                      TReadCase{"1,234", 1.234}, TReadCase{"-5", -5}, TReadCase{" 10 ", 10},
                      // Not numbers: 0.
                      TReadCase{"", 0}, TReadCase{"-", 0}, TReadCase{"abc", 0},
                      TReadCase{"12.34.56", 0}, TReadCase{"5-", 0}, TReadCase{"--5", 0}));

TEST(ReadComboIntegerTest, RoundsHalvesToEven) {
  EXPECT_EQ(ReadComboInteger("12.5"), 12);
  EXPECT_EQ(ReadComboInteger("13.5"), 14);
  EXPECT_EQ(ReadComboInteger("12.6"), 13);
  EXPECT_EQ(ReadComboInteger(""), 0);
  EXPECT_EQ(ReadComboInteger("months"), 0);
  EXPECT_EQ(ReadComboInteger("120"), 120);
}

TEST(ReadComboIntegerTest, HugeNumberStaysWithinInt) {
  EXPECT_EQ(ReadComboInteger("99999999999999999999"), INT_MAX);
  EXPECT_EQ(ReadComboInteger("-99999999999999999999"), INT_MIN);
}

TEST(ComboWholeNumberTest, FallsBackWhenNotAWholeNumber) {
  EXPECT_EQ(ComboWholeNumber(" 24 ", 12), 24);
  EXPECT_EQ(ComboWholeNumber("-3", 12), -3);
  EXPECT_EQ(ComboWholeNumber("", 12), 12);
  EXPECT_EQ(ComboWholeNumber("12.5", 12), 12);
  EXPECT_EQ(ComboWholeNumber("x", 1), 1);
  EXPECT_EQ(ComboWholeNumber("99999999999", 1), 1);
}

struct TFormatCase {
  double Amount;
  const char* Thousand;
  const char* Decimal;
  const char* Expected;
};

class FormatCalcAmountTest : public ::testing::TestWithParam<TFormatCase> {};

TEST_P(FormatCalcAmountTest, WritesTwoDecimalsGrouped) {
  const TFormatCase& c = GetParam();
  EXPECT_EQ(FormatCalcAmount(c.Amount, {c.Thousand, c.Decimal}), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, FormatCalcAmountTest,
    ::testing::Values(TFormatCase{123456.78, ",", ".", "123,456.78"},
                      TFormatCase{-5, ",", ".", "-5.00"},
                      TFormatCase{123456.78, ".", ",", "123.456,78"},
                      TFormatCase{123456.78, " ", ",", "123 456,78"},
                      TFormatCase{10549.906467601184, ",", ".", "10,549.91"},
                      TFormatCase{879.1588723000987, ",", ".", "879.16"},
                      TFormatCase{0.125, ",", ".", "0.13"},  // halves away from zero
                      TFormatCase{-0.004, ",", ".", "0.00"}, TFormatCase{0, ",", ".", "0.00"},
                      // Beyond the four-decimal range every digit is still written.
                      TFormatCase{1e20, ",", ".", "100,000,000,000,000,000,000.00"},
                      TFormatCase{-2.5e15, ".", ",", "-2.500.000.000.000.000,00"}));

TEST(StepValueTest, ArrowKeysStepTheAmount) {
  const TCalcNumberFormat plain;
  EXPECT_EQ(StepValue("", TStepKey::Up, 0.5, false, plain), "0.50");
  EXPECT_EQ(StepValue("", TStepKey::Down, 0.5, false, plain), "-0.50");
  EXPECT_EQ(StepValue("10", TStepKey::Up, 0.5, true, plain), "10.25");
  EXPECT_EQ(StepValue("1,000.00", TStepKey::Up, 100, false, plain), "1,100.00");
  EXPECT_EQ(StepValue("1,000.00", TStepKey::Down, 100, true, plain), "950.00");
  EXPECT_EQ(StepValue("1.000,00", TStepKey::Up, 100, false, {".", ","}), "1.100,00");
}

TEST(StepValueTest, OtherKeysLeaveTheBox) {
  EXPECT_FALSE(StepValue("10", TStepKey::Other, 0.5, false, {}).has_value());
}

TEST(TermConversionTest, MonthsAndYears) {
  EXPECT_EQ(MonthsToYears(30), 2);
  EXPECT_EQ(MonthsToYears(11), 0);
  EXPECT_EQ(MonthsToYears(12), 1);
  EXPECT_EQ(YearsToMonths(3), 36);
  EXPECT_EQ(YearsToMonths(1000000000), INT_MAX);  // no overflow from a typed year
}

TEST(NumberComboItemsTest, ListsTheRange) {
  const std::vector<std::string> items = NumberComboItems(6, 120);
  ASSERT_EQ(items.size(), 115u);
  EXPECT_EQ(items.front(), "6");
  EXPECT_EQ(items.back(), "120");
  EXPECT_TRUE(NumberComboItems(5, 4).empty());
}

}  // namespace
}  // namespace tf

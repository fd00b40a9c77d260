// The user's separators as stored in the preferences, and the display form
// of amounts built from them.
#include <gtest/gtest.h>

#include "base/MemoryPreferenceStore.h"
#include "base/NumberFormat.h"

namespace tf {
namespace {

struct TSeparatorCase {
  const char* Thousands;  // nullptr: no value stored
  const char* Decimal;
  const char* ExpectedThousand;
  const char* ExpectedDecimal;
  const char* Sample;  // FormatAmount(123456.78)
};

TEST(NumberFormat, ReadsTheSeparatorPreferences) {
  const TSeparatorCase cases[] = {
      {nullptr, nullptr, ",", ".", "123,456.78"},
      {".", ",", ".", ",", "123.456,78"},
      {" ", ",", " ", ",", "123 456,78"},
      {"..", "", ".", ".", "123.456.78"},
      {"", "", ",", ".", "123,456.78"},
      {"\xC2\xA0x", ",", "\xC2\xA0", ",",
       "123\xC2\xA0"
       "456,78"},
  };
  for (const TSeparatorCase& c : cases) {
    TMemoryPreferenceStore store;
    if (c.Thousands) store.WriteSetting("thousands", c.Thousands);
    if (c.Decimal) store.WriteSetting("decimal", c.Decimal);
    TNumberFormat format(store);
    EXPECT_EQ(format.GetThousandSeparator(), c.ExpectedThousand) << c.Sample;
    EXPECT_EQ(format.GetDecimalSeparator(), c.ExpectedDecimal) << c.Sample;
    EXPECT_EQ(format.FormatAmount(123456.78), c.Sample);
  }
}

TEST(NumberFormat, RoundsToFourDecimalsThenToTwoAwayFromZero) {
  TMemoryPreferenceStore store;
  TNumberFormat format(store);
  const std::pair<double, const char*> cases[] = {
      {-5, "-5.00"},          {0, "0.00"},
      {0.125, "0.13"},        {-0.125, "-0.13"},
      {2.675, "2.68"},    // 2.67499999... as a double, 2.6750 at four decimals
      {0.00005, "0.00"},  // 0.5 ten-thousandths halve to even: 0
      {-0.001, "0.00"},   // no minus sign on a zero
      {999.995, "1,000.00"},  {1234567890.5, "1,234,567,890.50"},
      {-1234.5, "-1,234.50"},
  };
  for (const auto& [amount, expected] : cases) {
    EXPECT_EQ(format.FormatAmount(amount), expected) << amount;
  }
  EXPECT_EQ(format.FormatAmount(TCurrency::FromRaw(-12345)), "-1.23");
}

TEST(NumberFormat, LoadsOnFirstUseOnly) {
  TMemoryPreferenceStore store{{"thousands", "."}, {"decimal", ","}};
  TNumberFormat format(store);
  EXPECT_FALSE(format.NumberFormatLoaded());
  EXPECT_EQ(format.FormatAmount(1000), "1.000,00");
  EXPECT_TRUE(format.NumberFormatLoaded());
  // Later changes to the store are not seen until the next load.
  store.WriteSetting("decimal", "x");
  EXPECT_EQ(format.GetDecimalSeparator(), ",");
  format.LoadNumberFormat();
  EXPECT_EQ(format.GetDecimalSeparator(), "x");
}

TEST(NumberFormat, SettingOneSeparatorStoresBoth) {
  TMemoryPreferenceStore store{{"decimal", ","}};
  TNumberFormat format(store);
  format.SetThousandSeparator(" ");
  EXPECT_EQ(store.ReadSetting("thousands"), " ");
  EXPECT_EQ(store.ReadSetting("decimal"), ",");
  EXPECT_EQ(format.FormatAmount(-123456.78), "-123 456,78");

  format.SetDecimalSeparator("");  // no separator at all would run the digits together
  EXPECT_EQ(store.ReadSetting("decimal"), ".");
  EXPECT_EQ(format.GetDecimalSeparator(), ".");
}

TEST(NumberFormat, SavingBeforeLoadingKeepsTheStoredChoice) {
  TMemoryPreferenceStore store{{"thousands", "."}, {"decimal", ","}};
  TNumberFormat(store).SaveNumberFormat();
  EXPECT_EQ(store.ReadSetting("thousands"), ".");
  EXPECT_EQ(store.ReadSetting("decimal"), ",");
}

}  // namespace
}  // namespace tf

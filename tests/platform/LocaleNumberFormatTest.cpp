// The system separators taken from a locale.
#include <gtest/gtest.h>

#include "platform/LocaleNumberFormat.h"

namespace tf {
namespace {

TEST(LocaleNumberFormat, TakesTheLocaleSeparators) {
  const struct {
    QLocale Locale;
    const char* Decimal;
    const char* Thousand;
  } cases[] = {
      {QLocale(QLocale::English, QLocale::UnitedStates), ".", ","},
      {QLocale(QLocale::German, QLocale::Germany), ",", "."},
      {QLocale::c(), ".", ","},
  };
  for (const auto& c : cases) {
    const TSystemNumberFormat format = NumberFormatOfLocale(c.Locale);
    EXPECT_EQ(format.DecimalSeparator, c.Decimal) << c.Locale.name().toStdString();
    EXPECT_EQ(format.ThousandSeparator, c.Thousand) << c.Locale.name().toStdString();
  }
}

TEST(LocaleNumberFormat, KeepsAMultiByteSeparatorWhole) {
  // French groups digits with a (narrow) no-break space, two or three bytes in UTF-8.
  const TSystemNumberFormat format =
      NumberFormatOfLocale(QLocale(QLocale::French, QLocale::France));
  EXPECT_EQ(format.DecimalSeparator, ",");
  EXPECT_EQ(format.ThousandSeparator,
            QLocale(QLocale::French, QLocale::France).groupSeparator().toStdString());
  EXPECT_GE(format.ThousandSeparator.size(), 2u);
}

TEST(LocaleNumberFormat, LoadFillsTheProcessWideRecord) {
  const TSystemNumberFormat saved = SystemNumberFormat();
  SystemNumberFormat() = TSystemNumberFormat{"x", "y"};
  LoadSystemNumberFormat();
  const TSystemNumberFormat expected = NumberFormatOfLocale(QLocale::system());
  EXPECT_EQ(SystemNumberFormat().DecimalSeparator, expected.DecimalSeparator);
  EXPECT_EQ(SystemNumberFormat().ThousandSeparator, expected.ThousandSeparator);
  SystemNumberFormat() = saved;
}

}  // namespace
}  // namespace tf

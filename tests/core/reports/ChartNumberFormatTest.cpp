#include <gtest/gtest.h>

#include "reports/ChartNumberFormat.h"

namespace tf {
namespace {

struct TFormatCase {
  double Value;
  const char* Pattern;
  const char* Expected;
};

TEST(ChartNumberFormat, PatternsOfTheChartMarks) {
  const TFormatCase cases[] = {
      {1234567.4, "###,###,###,##0", "1,234,567"},
      {0, "###,###,###,##0", "0"},
      {-1234.5, "#,##0", "-1,235"},
      {2.5, "#,##0", "3"},
      {-0.4, "#,##0", "0"},
      {999.5, "#,##0", "1,000"},
      {12.54, "(##0.# %)", "(12.5 %)"},
      {12.0, "(##0.# %)", "(12 %)"},
      {0.04, "(##0.# %)", "(0 %)"},
      {100, "(##0.# %)", "(100 %)"},
      {1234.5, "###,###,###.00", "1,234.50"},
      {0.5, "###,###,###.00", ".50"},
      {-1234.5, "#,##0.##;#,##0.##", "1,234.5"},
      {1234.567, "#,##0.##;#,##0.##", "1,234.57"},
      {1e12, "###,###,###,##0", "1,000,000,000,000"},
  };
  for (const TFormatCase& c : cases)
    EXPECT_EQ(FormatChartNumber(c.Value, c.Pattern), c.Expected) << c.Value << " " << c.Pattern;
}

TEST(ChartNumberFormat, UsesTheGivenSeparators) {
  const TChartSeparators european{".", ","};
  EXPECT_EQ(FormatChartNumber(1234567.25, "#,##0.##", european), "1.234.567,25");
  EXPECT_EQ(FormatChartNumber(1234567.25, "#,##0.##", {" ", ","}), "1 234 567,25");
}

TEST(ChartNumberFormat, ThirdSectionFormatsZero) {
  EXPECT_EQ(FormatChartNumber(0, "#,##0;(#,##0);none"), "none");
  EXPECT_EQ(FormatChartNumber(-5, "#,##0;(#,##0);none"), "(5)");
}

}  // namespace
}  // namespace tf

// Number patterns of chart marks and axes, such as "###,###,###,##0",
// "#,##0.##;#,##0.##" or "(##0.# %)": digits ("0" always shown, "#" only
// when needed), "," for grouping, "." for the decimals, literal text around
// them, and up to three sections for positive, negative and zero values.
#pragma once

#include <string>

namespace tf {

struct TChartSeparators {
  std::string Thousand = ",";
  std::string Decimal = ".";
};

// The value in the pattern. A negative value in a pattern of one section gets
// a "-" before its digits; a second section formats negative values without
// their sign, a third one zero. Halves are rounded away from zero.
std::string FormatChartNumber(double value, const std::string& pattern,
                              const TChartSeparators& separators = {});

}  // namespace tf

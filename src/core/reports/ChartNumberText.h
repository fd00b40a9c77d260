// Numbers as the chart reports write them on their marks and axes, with the
// operating system's separators: grouped whole digits and optional decimals
// ("#,##0", "#,##0.##"), and percentages ("##0.# %").
#pragma once

#include <string>

namespace tf {

// Grouped by three, at most `decimals` decimals with trailing zeros dropped;
// halves round away from zero. `withMinus` false writes a negative value
// without its sign. 1234.5 with 0 decimals gives "1,235", with 2 "1,234.5".
std::string FormatChartNumber(double value, int decimals, bool withMinus = true);

// One optional decimal and " %": 12.5 gives "12.5 %", 12.04 gives "12 %".
std::string FormatChartPercent(double percent);

}  // namespace tf

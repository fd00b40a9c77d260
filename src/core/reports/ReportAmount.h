// Amounts as the financial year report and the budget summary write them:
// two decimals, grouped by three, with the operating system's separators
// (not the ones chosen in the preferences).
#pragma once

#include <string>
#include <string_view>

#include "store/Currency.h"

namespace tf {

// "###,###,###,###,###,##0.00" with SystemNumberFormat(): -1234.5 gives
// -1,234.50 with the default separators. Halves round away from zero.
std::string FormatReportAmount(double amount);
std::string FormatReportAmount(TCurrency amount);

// The same pattern with the given separators, for any finite double (the
// whole digits are never cut off). Raises std::domain_error for NaN or an
// infinity, which no amount can be.
std::string FormatGroupedAmount(double amount, std::string_view thousand, std::string_view decimal);

}  // namespace tf

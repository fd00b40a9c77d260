#include "reports/ReportAmount.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "base/SystemNumberFormat.h"

namespace tf {
namespace {

// The decimal digits of a non-negative whole number held in a long double.
std::string WholeDigits(long double value) {
  char buffer[400];  // a double times 100 has at most 311 digits
  std::snprintf(buffer, sizeof buffer, "%.0Lf", value);
  return buffer;
}

std::string GroupDigits(const std::string& digits, std::string_view thousand) {
  std::string grouped;
  for (std::size_t k = 0; k < digits.size(); ++k) {
    if (k > 0 && (digits.size() - k) % 3 == 0) grouped += thousand;
    grouped += digits[k];
  }
  return grouped;
}

}  // namespace

std::string FormatGroupedAmount(double amount, std::string_view thousand,
                                std::string_view decimal) {
  if (!std::isfinite(amount)) throw std::domain_error("An amount to format is not a number.");
  // A double times 100 fits the long double's mantissa exactly, so the
  // rounding below sees the true value.
  const long double cents = std::roundl(std::fabs(static_cast<long double>(amount)) * 100.0L);
  std::string digits = WholeDigits(cents);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  const std::size_t split = digits.size() - 2;
  std::string result = amount < 0 && cents != 0 ? "-" : "";
  result += GroupDigits(digits.substr(0, split), thousand);
  result += decimal;
  result += digits.substr(split);
  return result;
}

std::string FormatReportAmount(double amount) {
  const TSystemNumberFormat& format = SystemNumberFormat();
  return FormatGroupedAmount(amount, format.ThousandSeparator, format.DecimalSeparator);
}

std::string FormatReportAmount(TCurrency amount) {
  const TSystemNumberFormat& format = SystemNumberFormat();
  return FormatCurrencyGrouped(amount, format.ThousandSeparator, format.DecimalSeparator);
}

}  // namespace tf

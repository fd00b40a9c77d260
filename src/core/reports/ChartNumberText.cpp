#include "reports/ChartNumberText.h"

#include <cmath>
#include <cstdio>

#include "app/SystemNumberFormat.h"

namespace tf {
namespace {

std::string GroupDigits(const std::string& digits, const std::string& thousand) {
  std::string grouped;
  for (std::size_t k = 0; k < digits.size(); ++k) {
    if (k > 0 && (digits.size() - k) % 3 == 0) grouped += thousand;
    grouped += digits[k];
  }
  return grouped;
}

// The digits of |value| rounded to `decimals` places, the whole part and the
// decimals apart, trailing zeros of the decimals dropped.
void SplitDigits(double value, int decimals, std::string& whole, std::string& fraction) {
  const long double scale = std::pow(10.0L, decimals);
  const long double scaled = std::roundl(std::fabs(static_cast<long double>(value)) * scale);
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.0Lf", scaled);
  std::string digits = buffer;
  if (digits.size() <= static_cast<std::size_t>(decimals))
    digits.insert(0, decimals + 1 - digits.size(), '0');
  whole = digits.substr(0, digits.size() - decimals);
  fraction = digits.substr(digits.size() - decimals);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
}

}  // namespace

std::string FormatChartNumber(double value, int decimals, bool withMinus) {
  if (!std::isfinite(value)) return std::string();
  const TSystemNumberFormat& format = SystemNumberFormat();
  std::string whole, fraction;
  SplitDigits(value, decimals, whole, fraction);
  const bool zero = whole == "0" && fraction.empty();
  std::string text = withMinus && value < 0 && !zero ? "-" : "";
  text += GroupDigits(whole, format.ThousandSeparator);
  if (!fraction.empty()) text += format.DecimalSeparator + fraction;
  return text;
}

std::string FormatChartPercent(double percent) {
  if (!std::isfinite(percent)) return std::string();
  std::string whole, fraction;
  SplitDigits(percent, 1, whole, fraction);
  std::string text = percent < 0 && (whole != "0" || !fraction.empty()) ? "-" : "";
  text += whole;
  if (!fraction.empty()) text += SystemNumberFormat().DecimalSeparator + fraction;
  return text + " %";
}

}  // namespace tf

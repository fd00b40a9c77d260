#include "calculators/CalcNumbers.h"

#include <charconv>
#include <climits>
#include <cmath>

#include "base/ReportTemplate.h"
#include "reports/ReportAmount.h"
#include "store/Currency.h"

namespace tf {
namespace {

// Commas and points as the user may have meant them: 12,50 is twelve and a
// half, 1.234,56 and 1,234.56 are both over a thousand.
std::string NormaliseSeparators(std::string text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return text;
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return ReplaceAll(text, ",", ".");
  if (point < comma) return ReplaceAll(ReplaceAll(text, ".", ""), ",", ".");
  return ReplaceAll(text, ",", "");
}

// Digits, points and minus signs only; blanks, letters and currency signs go.
std::string NumberCharacters(const std::string& text) {
  std::string kept;
  for (char c : text) {
    if ((c >= '0' && c <= '9') || c == '.' || c == '-') kept += c;
  }
  return kept;
}

// The lenient amount reader of the amount boxes; from_chars keeps it free of
// the process locale.
double ParseLenientAmount(const std::string& text, double fallback) {
  const std::string number = NumberCharacters(NormaliseSeparators(text));
  if (number.empty()) return fallback;
  double value = 0;
  const char* end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, value);
  if (error != std::errc() || stop != end || !std::isfinite(value)) return fallback;
  return value;
}

int ClampToInt(double value) {
  if (!(value > INT_MIN)) return INT_MIN;
  if (!(value < INT_MAX)) return INT_MAX;
  return static_cast<int>(value);
}

bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

double ReadMemoAmount(const std::string& text) {
  return ParseLenientAmount(text, 0);
}

int ReadComboInteger(const std::string& text) {
  return ClampToInt(std::nearbyint(ParseLenientAmount(text, 0)));  // halves to even
}

int ComboWholeNumber(const std::string& text, int fallback) {
  const std::string trimmed = std::string(Trimmed(text));
  const char* begin = trimmed.data();
  const char* end = begin + trimmed.size();
  if (begin != end && *begin == '+') ++begin;
  int value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  return error == std::errc() && stop == end && begin != end ? value : fallback;
}

std::string FormatCalcAmount(double amount, const TCalcNumberFormat& format) {
  const std::string& thousand = format.ThousandSeparator;
  const std::string& decimal = format.DecimalSeparator;
  // The display form goes through four decimals first, as every amount box
  // does; beyond that range the plain grouped form keeps all digits.
  const std::string text =
      std::fabs(amount) < 9.0e14
          ? FormatCurrencyGrouped(TCurrency::FromDouble(amount), thousand, decimal)
          : FormatGroupedAmount(amount, thousand, decimal);
  return ReplaceAll(ReplaceAll(text, "\xC2\xA0", thousand), " ", thousand);
}

std::optional<std::string> StepValue(const std::string& text, TStepKey key, double step,
                                     bool modifierHeld, const TCalcNumberFormat& format) {
  if (key == TStepKey::Other) return std::nullopt;
  if (modifierHeld) step /= 2;
  const double amount = ReadMemoAmount(text);
  return FormatCalcAmount(key == TStepKey::Up ? amount + step : amount - step, format);
}

int MonthsToYears(int months) {
  return months / 12;
}

int YearsToMonths(int years) {
  return ClampToInt(years * 12.0);
}

std::vector<std::string> NumberComboItems(int first, int last) {
  std::vector<std::string> items;
  for (long long n = first; n <= last; ++n) items.push_back(std::to_string(n));
  return items;
}

}  // namespace tf

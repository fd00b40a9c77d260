#include "store/Currency.h"

#include <cmath>
#include <limits>

namespace tf {
namespace {

bool IsBlank(char c) {
  return c == ' ' || (c > 0 && c < ' ');
}

// Rounds digits/10^drop half to even. Returns false on overflow.
bool ScaleDigits(const std::string& digits, int exponent10, bool negative, std::int64_t& out) {
  // `digits` is the whole mantissa without point; value = digits * 10^exponent10,
  // and we want value * 10^4.
  const int shift = exponent10 + 4;
  unsigned __int128 acc = 0;
  const unsigned __int128 limit =
      static_cast<unsigned __int128>(std::numeric_limits<std::int64_t>::max()) + 1;
  std::size_t keep = digits.size();
  if (shift < 0) {
    const std::size_t drop = static_cast<std::size_t>(-shift);
    keep = drop >= digits.size() ? 0 : digits.size() - drop;
  }
  for (std::size_t i = 0; i < keep; ++i) {
    acc = acc * 10 + static_cast<unsigned>(digits[i] - '0');
    if (acc > limit) return false;
  }
  if (shift > 0) {
    for (int i = 0; i < shift; ++i) {
      acc *= 10;
      if (acc > limit && acc != 0) return false;
    }
  } else if (shift < 0) {
    // Round on the dropped digits: first dropped digit decides, ties to even.
    const std::size_t drop = static_cast<std::size_t>(-shift);
    const std::size_t first = digits.size() >= drop ? digits.size() - drop : 0;
    // Dropped part as digits[first..]; when drop exceeds the digit count the
    // leading dropped digits are zeros.
    int firstDigit = 0;
    bool restNonZero = false;
    if (drop <= digits.size()) {
      firstDigit = digits[first] - '0';
      for (std::size_t i = first + 1; i < digits.size(); ++i) restNonZero |= digits[i] != '0';
    } else {
      for (char c : digits) restNonZero |= c != '0';
    }
    if (firstDigit > 5 || (firstDigit == 5 && (restNonZero || (acc & 1)))) ++acc;
  }
  if (acc > limit || (!negative && acc == limit)) return false;
  out = negative ? static_cast<std::int64_t>(-static_cast<__int128>(acc))
                 : static_cast<std::int64_t>(acc);
  return true;
}

}  // namespace

TCurrency TCurrency::FromDouble(double value) {
  const double scaled = std::nearbyint(value * kScale);  // default mode: halves to even
  if (!(scaled < 9.2e18)) return {std::numeric_limits<std::int64_t>::max()};
  if (!(scaled > -9.2e18)) return {std::numeric_limits<std::int64_t>::min()};
  return {static_cast<std::int64_t>(scaled)};
}

std::string CurrencyToText(TCurrency value) {
  const bool negative = value.Raw < 0;
  unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value.Raw)
                                          : static_cast<unsigned long long>(value.Raw);
  std::string result = std::to_string(magnitude / TCurrency::kScale);
  unsigned frac = static_cast<unsigned>(magnitude % TCurrency::kScale);
  if (frac != 0) {
    std::string f = std::to_string(frac + TCurrency::kScale).substr(1);
    while (!f.empty() && f.back() == '0') f.pop_back();
    result += '.';
    result += f;
  }
  return negative ? "-" + result : result;
}

bool TryTextToCurrency(std::string_view text, TCurrency& out) {
  std::size_t i = 0, n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  while (n > i && IsBlank(text[n - 1])) --n;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string digits;
  int exponent = 0;
  bool any = false;
  while (i < n && text[i] >= '0' && text[i] <= '9') digits += text[i++], any = true;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && text[i] >= '0' && text[i] <= '9') digits += text[i++], --exponent, any = true;
  }
  if (!any) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool expNegative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) expNegative = text[i++] == '-';
    if (i >= n || text[i] < '0' || text[i] > '9') return false;
    int e = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
      if (e < 100000) e = e * 10 + (text[i] - '0');
      ++i;
    }
    exponent += expNegative ? -e : e;
  }
  if (i != n) return false;
  // Strip leading zeros so the exponent bound below means something.
  std::size_t lead = 0;
  while (lead + 1 < digits.size() && digits[lead] == '0') ++lead;
  digits.erase(0, lead);
  if (exponent > 40) return digits == "0" ? (out = TCurrency{}, true) : false;
  if (exponent < -400) exponent = -400;
  std::int64_t raw = 0;
  if (!ScaleDigits(digits, exponent, negative, raw)) return false;
  out = TCurrency{raw};
  return true;
}

std::string FormatCurrencyGrouped(TCurrency value, std::string_view thousand,
                                  std::string_view decimal) {
  const bool negative = value.Raw < 0;
  unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value.Raw)
                                          : static_cast<unsigned long long>(value.Raw);
  // To cents, halves away from zero.
  unsigned long long cents = (magnitude + 50) / 100;
  const std::string whole = std::to_string(cents / 100);
  std::string grouped;
  for (std::size_t k = 0; k < whole.size(); ++k) {
    if (k > 0 && (whole.size() - k) % 3 == 0) grouped += thousand;
    grouped += whole[k];
  }
  const unsigned c = static_cast<unsigned>(cents % 100);
  std::string result = negative && cents != 0 ? "-" : "";
  result += grouped;
  result += decimal;
  result += static_cast<char>('0' + c / 10);
  result += static_cast<char>('0' + c % 10);
  return result;
}

}  // namespace tf

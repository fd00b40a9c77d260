// Money as an exact count of ten-thousandths in 64 bits. Amounts never pass
// through a double on their way into or out of the data file.
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace tf {

struct TCurrency {
  std::int64_t Raw = 0;  // amount times 10,000

  static constexpr std::int64_t kScale = 10000;
  static constexpr TCurrency FromRaw(std::int64_t raw) { return TCurrency{raw}; }
  // Nearest ten-thousandth, halves to even; values beyond the range saturate.
  static TCurrency FromDouble(double value);
  static constexpr TCurrency FromUnits(std::int64_t units) { return TCurrency{units * kScale}; }

  double ToDouble() const { return static_cast<double>(Raw) / kScale; }

  friend constexpr TCurrency operator+(TCurrency a, TCurrency b) { return {a.Raw + b.Raw}; }
  friend constexpr TCurrency operator-(TCurrency a, TCurrency b) { return {a.Raw - b.Raw}; }
  constexpr TCurrency operator-() const { return {-Raw}; }
  friend constexpr auto operator<=>(TCurrency, TCurrency) = default;
};

// Shortest decimal form with up to four decimals, "." as separator, no grouping:
// 12.5, -0.0001, 100.
std::string CurrencyToText(TCurrency value);

// Optional blanks, sign, digits, optional "." and digits, optional exponent,
// blanks. Digits beyond the fourth decimal are rounded half to even. False on
// anything else or on overflow.
bool TryTextToCurrency(std::string_view text, TCurrency& out);

// Two decimals (rounded, halves away from zero), digits grouped by three with
// `thousand`, `decimal` as decimal separator, "-" before the digits.
std::string FormatCurrencyGrouped(TCurrency value, std::string_view thousand,
                                  std::string_view decimal);

}  // namespace tf

#include "reports/ChartNumberFormat.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace tf {
namespace {

bool IsPlaceholder(char c) {
  return c == '#' || c == '0';
}

// One section of a pattern: literal text around the digits.
struct TNumberPattern {
  std::string Prefix, Suffix;
  int MinIntegerDigits = 0;
  int MinDecimals = 0, MaxDecimals = 0;
  bool Grouped = false;
};

TNumberPattern ReadPattern(const std::string& section) {
  TNumberPattern pattern;
  const std::size_t first = section.find_first_of("#0");
  if (first == std::string::npos) {
    pattern.Prefix = section;
    return pattern;
  }
  const std::size_t last = section.find_last_of("#0");
  pattern.Prefix = section.substr(0, first);
  pattern.Suffix = section.substr(last + 1);
  bool decimals = false;
  for (std::size_t i = first; i <= last; ++i) {
    const char c = section[i];
    if (c == '.')
      decimals = true;
    else if (c == ',' && !decimals)
      pattern.Grouped = true;
    else if (IsPlaceholder(c) && decimals) {
      ++pattern.MaxDecimals;
      if (c == '0') pattern.MinDecimals = pattern.MaxDecimals;
    } else if (c == '0')
      ++pattern.MinIntegerDigits;
  }
  return pattern;
}

std::vector<std::string> Sections(const std::string& pattern) {
  std::vector<std::string> sections(1);
  for (const char c : pattern) {
    if (c == ';')
      sections.emplace_back();
    else
      sections.back() += c;
  }
  return sections;
}

std::string Grouped(const std::string& digits, const std::string& separator) {
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

// The magnitude's digits before and after the decimal point, rounded half
// away from zero to the pattern's decimals.
void Digits(double magnitude, const TNumberPattern& pattern, std::string& whole,
            std::string& fraction) {
  const long double scaled =
      std::floor(static_cast<long double>(magnitude) * std::pow(10.0L, pattern.MaxDecimals) + 0.5L);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.0Lf", scaled);
  std::string text = buffer;
  if (text.size() <= static_cast<std::size_t>(pattern.MaxDecimals))
    text.insert(0, pattern.MaxDecimals + 1 - text.size(), '0');
  whole = text.substr(0, text.size() - pattern.MaxDecimals);
  fraction = text.substr(whole.size());
  while (static_cast<int>(fraction.size()) > pattern.MinDecimals && fraction.back() == '0')
    fraction.pop_back();
  std::size_t leading = 0;
  while (leading < whole.size() &&
         static_cast<int>(whole.size() - leading) > pattern.MinIntegerDigits &&
         whole[leading] == '0')
    ++leading;
  whole.erase(0, leading);
}

}  // namespace

std::string FormatChartNumber(double value, const std::string& patternText,
                              const TChartSeparators& separators) {
  const std::vector<std::string> sections = Sections(patternText);
  std::string section = sections[0];
  bool signShown = true;
  if (value < 0 && sections.size() > 1) {
    section = sections[1];
    signShown = false;
  } else if (value == 0 && sections.size() > 2) {
    section = sections[2];
  }
  const TNumberPattern pattern = ReadPattern(section);
  std::string whole, fraction;
  Digits(std::fabs(value), pattern, whole, fraction);
  const bool nothing = whole.find_first_not_of('0') == std::string::npos &&
                       fraction.find_first_not_of('0') == std::string::npos;
  std::string number = pattern.Grouped ? Grouped(whole, separators.Thousand) : whole;
  if (!fraction.empty()) number += separators.Decimal + fraction;
  const std::string sign = value < 0 && signShown && !nothing ? "-" : "";
  return sign + pattern.Prefix + number + pattern.Suffix;
}

}  // namespace tf

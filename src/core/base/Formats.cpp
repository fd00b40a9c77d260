#include "base/Formats.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace tf {
namespace {

// A whole number, or 0 when the text is not one.
int WholeNumberOr0(const std::string& text) {
  if (text.empty()) return 0;
  std::size_t i = 0;
  bool negative = false;
  if (text[0] == '+' || text[0] == '-') negative = text[i++] == '-';
  if (i == text.size()) return 0;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return 0;
    value = value * 10 + (text[i] - '0');
    if (value > 1000000000) return 0;
  }
  return static_cast<int>(negative ? -value : value);
}

std::string Slice(const std::string& text, std::size_t from, std::size_t count) {
  return from < text.size() ? text.substr(from, count) : std::string();
}

std::string WithoutChar(const std::string& text, char dropped) {
  std::string result;
  for (char c : text) {
    if (c != dropped) result += c;
  }
  return result;
}

std::string Replaced(std::string text, char from, char to) {
  for (char& c : text) {
    if (c == from) c = to;
  }
  return text;
}

// Settles which of comma and point is the decimal mark, then keeps only the
// digits, points and minus signs.
std::string CleanAmountText(const std::string& text) {
  std::string work = text;
  const std::size_t comma = work.find(',');
  if (comma != std::string::npos) {
    const std::size_t point = work.find('.');
    if (point == std::string::npos) {
      work = Replaced(work, ',', '.');
    } else if (point < comma) {
      work = Replaced(WithoutChar(work, '.'), ',', '.');
    } else {
      work = WithoutChar(work, ',');
    }
  }
  std::string kept;
  for (char c : work) {
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-') kept += c;
  }
  return kept;
}

// Rounding to a whole number that does not depend on the FPU's mode.
double RoundHalfEven(double value) {
  const double floor = std::floor(value);
  const double diff = value - floor;
  if (diff < 0.5) return floor;
  if (diff > 0.5) return floor + 1;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

// 15 percent of a whole magnitude, halves to even; exact where it fits.
double Tolerance(double magnitude) {
  if (!(magnitude < 1e15)) return RoundHalfEven(magnitude * 0.15);
  const std::int64_t scaled = static_cast<std::int64_t>(magnitude) * 15;
  std::int64_t whole = scaled / 100;
  const std::int64_t rest = scaled % 100;
  if (rest > 50 || (rest == 50 && whole % 2 != 0)) ++whole;
  return static_cast<double>(whole);
}

}  // namespace

std::string FormatDisplayDate(TDateTime date) {
  return date == 0 ? std::string() : FormatDayMonthYear(date);
}

TDateTime ParseStatementDate(const std::string& text) {
  const std::string dayText = Slice(text, 0, 2);
  std::string monthText = Slice(text, 3, 3);
  const std::string yearText = Slice(text, 7, 4);
  int month = 0;
  if (!dayText.empty() && !monthText.empty() && !yearText.empty()) {
    month = MonthFromShortName(monthText);
  }
  if (month == 0) month = WholeNumberOr0(monthText);
  TDateTime result = 0;
  if (!TryEncodeDate(WholeNumberOr0(yearText), month, WholeNumberOr0(dayText), result)) return 0;
  return result;
}

TDateTime ParseTypedDate(const std::string& text) {
  std::size_t first = 0, last = text.size();
  while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) ++first;
  while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) --last;
  const std::string trimmed = text.substr(first, last - first);
  // The stored form and its cousins (01-Jan-2010, 01_jan_2010) as before.
  if (trimmed.size() == 11 && MonthFromShortName(trimmed.substr(3, 3)) != 0) {
    if (const TDateTime date = ParseStatementDate(trimmed)) return date;
  }
  const auto isSeparator = [](char c) { return c == ' ' || c == '-' || c == '/' || c == '.'; };
  const auto isDigit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
  // D?MMM?YYYY or DD?MMM?YYYY and nothing more.
  const std::size_t dayLength = trimmed.size() == 10 ? 1 : trimmed.size() == 11 ? 2 : 0;
  if (dayLength == 0) return 0;
  for (std::size_t i = 0; i < dayLength; ++i)
    if (!isDigit(trimmed[i])) return 0;
  if (!isSeparator(trimmed[dayLength]) || !isSeparator(trimmed[dayLength + 4])) return 0;
  for (std::size_t i = dayLength + 5; i < trimmed.size(); ++i)
    if (!isDigit(trimmed[i])) return 0;
  const int month = MonthFromShortName(trimmed.substr(dayLength + 1, 3));
  TDateTime result = 0;
  if (month == 0 || !TryEncodeDate(WholeNumberOr0(trimmed.substr(dayLength + 5)), month,
                                   WholeNumberOr0(trimmed.substr(0, dayLength)), result))
    return 0;
  return result;
}

bool IsAmountText(const std::string& text) {
  TCurrency value;
  return TryTextToCurrency(CleanAmountText(text), value);
}

double ParseAmount(const std::string& text, double defaultAmount) {
  const std::string clean = CleanAmountText(text);
  const char* end = clean.data() + clean.size();
  double value = 0;
  const auto [stop, error] = std::from_chars(clean.data(), end, value, std::chars_format::fixed);
  return clean.empty() || error != std::errc() || stop != end ? defaultAmount : value;
}

TCurrency ParseAmountCurrency(const std::string& text, TCurrency defaultAmount) {
  TCurrency value;
  return TryTextToCurrency(CleanAmountText(text), value) ? value : defaultAmount;
}

bool SameMonth(TDateTime a, TDateTime b) {
  int yearA, monthA, dayA, yearB, monthB, dayB;
  DecodeDate(a, yearA, monthA, dayA);
  DecodeDate(b, yearB, monthB, dayB);
  return yearA == yearB && monthA == monthB;
}

bool DateInRange(TDateTime date, TDateTime from, TDateTime to) {
  const TDateTime day = DateOf(date);
  return DateOf(from) <= day && day <= DateOf(to);
}

bool AmountsClose(double reference, double candidate) {
  const double magnitude = std::fabs(RoundHalfEven(reference));
  if (!(magnitude > 0)) return false;
  const double tolerance = Tolerance(magnitude);
  const double other = std::fabs(RoundHalfEven(candidate));
  return magnitude - tolerance <= other && other <= magnitude + tolerance;
}

}  // namespace tf

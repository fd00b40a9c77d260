#include "app/Formats.h"

#include <cctype>

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

}  // namespace tf

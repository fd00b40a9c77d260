#include "store/Variant.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace tf {
namespace {

bool IsBlank(char c) {
  return c == ' ' || (c > 0 && c < ' ');
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
    if (x != y) return false;
  }
  return true;
}

// Decimal with optional sign, or "$" and hexadecimal digits.
bool ParseInteger(std::string_view text, __int128& out) {
  if (text.empty()) return false;
  bool negative = false;
  std::size_t i = 0;
  if (text[0] == '+' || text[0] == '-') negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') base = 16, ++i;
  if (i == text.size()) return false;
  __int128 value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return false;
    value = value * base + digit;
    if (value > (static_cast<__int128>(1) << 66)) return false;
  }
  out = negative ? -value : value;
  return true;
}

// Reads up to `maxDigits` digits as a number; false when none is there.
bool TakeNumber(std::string_view& text, int minDigits, int maxDigits, int& out) {
  int count = 0, value = 0;
  while (count < maxDigits && count < static_cast<int>(text.size()) && text[count] >= '0' &&
         text[count] <= '9') {
    value = value * 10 + (text[count] - '0');
    ++count;
  }
  if (count < minDigits) return false;
  text.remove_prefix(count);
  out = value;
  return true;
}

bool TakeChar(std::string_view& text, char c) {
  if (text.empty() || text.front() != c) return false;
  text.remove_prefix(1);
  return true;
}

bool ParseTimePart(std::string_view text, TDateTime& out) {
  int hour, minute, second = 0, msec = 0;
  if (!TakeNumber(text, 1, 2, hour) || !TakeChar(text, ':') || !TakeNumber(text, 1, 2, minute))
    return false;
  if (TakeChar(text, ':')) {
    if (!TakeNumber(text, 1, 2, second)) return false;
    if (TakeChar(text, '.') && !TakeNumber(text, 1, 3, msec)) return false;
  }
  if (!text.empty() || hour > 23 || minute > 59 || second > 59) return false;
  out = EncodeTime(hour, minute, second, msec);
  return true;
}

bool ParseDatePart(std::string_view text, TDateTime& out) {
  int year, month, day;
  if (!TakeNumber(text, 4, 4, year) || !TakeChar(text, '-') || !TakeNumber(text, 1, 2, month) ||
      !TakeChar(text, '-') || !TakeNumber(text, 1, 2, day) || !text.empty())
    return false;
  return TryEncodeDate(year, month, day, out);
}

}  // namespace

TVariant TVariant::Int(TVarType type, std::int64_t value) {
  TVariant v(type);
  v.Int_ = value;
  return v;
}

TVariant TVariant::Bool(bool value) {
  return Int(TVarType::Boolean, value ? 1 : 0);
}

TVariant TVariant::Single(float value) {
  TVariant v(TVarType::Single);
  v.Float_ = value;
  return v;
}

TVariant TVariant::Double(double value) {
  TVariant v(TVarType::Double);
  v.Float_ = value;
  return v;
}

TVariant TVariant::Date(TDateTime value) {
  TVariant v(TVarType::Date);
  v.Float_ = value;
  return v;
}

TVariant TVariant::String(std::string text) {
  TVariant v(TVarType::String);
  v.Text_ = std::move(text);
  return v;
}

TVariant TVariant::WideString(std::string utf8) {
  TVariant v(TVarType::WideString);
  v.Text_ = std::move(utf8);
  return v;
}

bool TVariant::IsInteger() const {
  return Type_ >= TVarType::ShortInt && Type_ <= TVarType::Int64;
}

std::string TVariant::ToText() const {
  switch (Type_) {
    case TVarType::Empty:
    case TVarType::Null:
      return {};
    case TVarType::Boolean:
      return Int_ ? "True" : "False";
    case TVarType::ShortInt:
    case TVarType::Byte:
    case TVarType::SmallInt:
    case TVarType::Word:
    case TVarType::Integer:
    case TVarType::LongWord:
    case TVarType::Int64:
      return std::to_string(Int_);
    case TVarType::Single:
    case TVarType::Double:
      return FloatToText(Float_);
    case TVarType::Currency:
      return CurrencyToText(TCurrency{Int_});
    case TVarType::Date:
      return DateTimeToText(Float_);
    case TVarType::String:
    case TVarType::WideString:
      return Text_;
  }
  return {};
}

bool operator==(const TVariant& a, const TVariant& b) {
  if (a.Type_ != b.Type_) return false;
  switch (a.Type_) {
    case TVarType::Empty:
    case TVarType::Null:
      return true;
    case TVarType::Single:
    case TVarType::Double:
    case TVarType::Date:
      return std::memcmp(&a.Float_, &b.Float_, sizeof a.Float_) == 0;
    case TVarType::String:
    case TVarType::WideString:
      return a.Text_ == b.Text_;
    default:
      return a.Int_ == b.Int_;
  }
}

bool TryTextToInt32(std::string_view text, std::int32_t& out) {
  __int128 value;
  if (!ParseInteger(text, value) || value < INT32_MIN || value > INT32_MAX) return false;
  out = static_cast<std::int32_t>(value);
  return true;
}

bool TryTextToInt64(std::string_view text, std::int64_t& out) {
  __int128 value;
  if (!ParseInteger(text, value) || value < INT64_MIN || value > INT64_MAX) return false;
  out = static_cast<std::int64_t>(value);
  return true;
}

bool TryTextToDouble(std::string_view text, double& out) {
  text = Trim(text);
  if (text.empty()) return false;
  // Same shape as a money text: sign, digits, point, digits, exponent.
  std::size_t i = 0;
  if (text[i] == '+' || text[i] == '-') ++i;
  std::size_t digits = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  if (i != text.size()) return false;
  std::string_view body = text;
  if (body.front() == '+') body.remove_prefix(1);
  double value = 0;
  const auto result = std::from_chars(body.data(), body.data() + body.size(), value);
  if (result.ec == std::errc::result_out_of_range) return false;
  if (result.ec != std::errc() || result.ptr != body.data() + body.size()) {
    // from_chars refuses a leading "." or trailing "." forms in some versions.
    std::string copy(body);
    if (copy.front() == '.' || (copy.size() > 1 && copy[0] == '-' && copy[1] == '.'))
      copy.insert(copy.front() == '-' ? 1 : 0, "0");
    const auto again = std::from_chars(copy.data(), copy.data() + copy.size(), value);
    if (again.ec != std::errc() || again.ptr != copy.data() + copy.size()) return false;
  }
  out = value;
  return true;
}

bool TryTextToBool(std::string_view text, bool& out) {
  if (EqualsIgnoreCase(text, "true")) return out = true, true;
  if (EqualsIgnoreCase(text, "false")) return out = false, true;
  double number;
  if (!TryTextToDouble(text, number)) return false;
  out = number != 0;
  return true;
}

bool TryTextToTime(std::string_view text, TDateTime& out) {
  return ParseTimePart(Trim(text), out);
}

bool TryTextToDateTime(std::string_view text, TDateTime& out) {
  text = Trim(text);
  const auto blank = text.find(' ');
  if (blank == std::string_view::npos) {
    return ParseDatePart(text, out) || ParseTimePart(text, out);
  }
  TDateTime date, time;
  if (!ParseDatePart(text.substr(0, blank), date) ||
      !ParseTimePart(Trim(text.substr(blank + 1)), time))
    return false;
  out = date < 0 ? date - time : date + time;
  return true;
}

std::string FloatToText(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", value);  // 15 significant digits
  // buf: [-]d.dddddddddddddde[+-]xx
  std::string text(buf);
  const auto ePos = text.find('e');
  const int exponent = std::atoi(text.c_str() + ePos + 1);
  std::string mantissa = text.substr(0, ePos);
  const bool negative = mantissa[0] == '-';
  if (negative) mantissa.erase(0, 1);
  std::string digits = mantissa.substr(0, 1) + mantissa.substr(2);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string result;
  if (exponent >= 15 || exponent < -5) {
    result = digits.substr(0, 1);
    if (digits.size() > 1) result += "." + digits.substr(1);
    result += "E" + std::to_string(exponent);
  } else if (exponent < 0) {
    result = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else {
    const std::size_t intLen = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intLen) {
      result = digits + std::string(intLen - digits.size(), '0');
    } else {
      result = digits.substr(0, intLen) + "." + digits.substr(intLen);
    }
  }
  return negative ? "-" + result : result;
}

std::string DateTimeToText(TDateTime value) {
  int y, m, d, hh, mm, ss, ms;
  DecodeDate(value, y, m, d);
  DecodeTime(value, hh, mm, ss, ms);
  char buf[48];
  if (hh == 0 && mm == 0 && ss == 0 && ms == 0) {
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
  } else {
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", y, m, d, hh, mm, ss);
  }
  return buf;
}

}  // namespace tf

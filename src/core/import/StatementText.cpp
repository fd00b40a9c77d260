#include "import/StatementText.h"

#include <climits>

namespace tf {
namespace {

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool IsBlankChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u <= ' ' || u == 0x7F;
}

bool IsBlankText(std::string_view text) {
  for (char c : text) {
    if (!IsBlankChar(c)) return false;
  }
  return true;
}

bool TryReadWholeNumber(std::string_view text, int& out) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return false;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) return false;
  out = static_cast<int>(value);
  return true;
}

int WholeNumberOr0(std::string_view text) {
  int value = 0;
  return TryReadWholeNumber(text, value) ? value : 0;
}

std::string RemoveAll(std::string_view text, char c) {
  std::string result;
  result.reserve(text.size());
  for (char ch : text) {
    if (ch != c) result += ch;
  }
  return result;
}

std::string Slice(std::string_view text, std::size_t from, std::size_t count) {
  return from < text.size() ? std::string(text.substr(from, count)) : std::string();
}

std::size_t FindNoCase(std::string_view text, std::string_view needle, std::size_t from) {
  if (needle.size() > text.size()) return std::string_view::npos;
  for (std::size_t i = from; i + needle.size() <= text.size(); ++i) {
    std::size_t k = 0;
    while (k < needle.size() && LowerAscii(text[i + k]) == LowerAscii(needle[k])) ++k;
    if (k == needle.size()) return i;
  }
  return std::string_view::npos;
}

}  // namespace tf

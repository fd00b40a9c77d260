#include "base/ListText.h"

namespace tf {
namespace {

constexpr char kQuote = '"';
constexpr char kDelimiter = ',';

bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

bool NeedsQuotes(const std::string& item) {
  for (char c : item) {
    if (IsBlankOrControl(c) || c == kQuote || c == kDelimiter) return true;
  }
  return false;
}

std::string Quoted(const std::string& item) {
  std::string result(1, kQuote);
  for (char c : item) {
    if (c == kQuote) result += kQuote;
    result += c;
  }
  result += kQuote;
  return result;
}

void SkipBlanks(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && IsBlankOrControl(text[pos])) ++pos;
}

// From the opening quote at `pos` to its closing quote; a doubled quote stands
// for one. An unclosed quote takes the rest of the text.
std::string ReadQuotedItem(std::string_view text, std::size_t& pos) {
  std::string item;
  ++pos;
  while (pos < text.size()) {
    if (text[pos] != kQuote) {
      item += text[pos++];
    } else if (pos + 1 < text.size() && text[pos + 1] == kQuote) {
      item += kQuote;
      pos += 2;
    } else {
      ++pos;
      break;
    }
  }
  return item;
}

std::string ReadPlainItem(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < text.size() && !IsBlankOrControl(text[pos]) && text[pos] != kDelimiter) ++pos;
  return std::string(text.substr(start, pos - start));
}

}  // namespace

std::string ToCommaText(const std::vector<std::string>& items) {
  if (items.size() == 1 && items[0].empty()) return std::string(2, kQuote);
  std::string result;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) result += kDelimiter;
    result += NeedsQuotes(items[i]) ? Quoted(items[i]) : items[i];
  }
  return result;
}

std::vector<std::string> ParseCommaText(std::string_view text) {
  std::vector<std::string> items;
  std::size_t pos = 0;
  SkipBlanks(text, pos);
  while (pos < text.size()) {
    items.push_back(text[pos] == kQuote ? ReadQuotedItem(text, pos) : ReadPlainItem(text, pos));
    SkipBlanks(text, pos);
    if (pos < text.size() && text[pos] == kDelimiter) {
      ++pos;
      SkipBlanks(text, pos);
    }
  }
  return items;
}

std::string ToLinesText(const std::vector<std::string>& items) {
  std::string result;
  for (const std::string& item : items) {
    result += item;
    result += "\r\n";
  }
  return result;
}

std::vector<std::string> ParseLinesText(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(pos));
      break;
    }
    lines.emplace_back(text.substr(pos, end - pos));
    pos = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

}  // namespace tf

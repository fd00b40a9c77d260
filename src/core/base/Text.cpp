#include "base/Text.h"

namespace tf {

namespace {

bool IsBlankOrControl(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u <= ' ' || u == 0x7F;
}

}  // namespace

std::string_view Trimmed(std::string_view text) {
  std::size_t from = 0, to = text.size();
  while (from < to && IsBlankOrControl(text[from])) ++from;
  while (to > from && IsBlankOrControl(text[to - 1])) --to;
  return text.substr(from, to - from);
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string result;
  std::size_t done = 0;
  for (std::size_t at = text.find(from); at != std::string_view::npos; at = text.find(from, done)) {
    result.append(text.substr(done, at - done));
    result.append(to);
    done = at + from.size();
  }
  result.append(text.substr(done));
  return result;
}

}  // namespace tf

#include "base/ReportTemplate.h"

#include "base/TemplateError.h"
#include "base/TemplateTexts.h"

namespace tf {
namespace {

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Position of `needle` in `text` at or after `from`, ignoring ASCII case.
std::size_t FindNoCase(std::string_view text, std::string_view needle, std::size_t from = 0) {
  if (needle.empty() || needle.size() > text.size()) return std::string_view::npos;
  for (std::size_t i = from; i + needle.size() <= text.size(); ++i) {
    std::size_t k = 0;
    while (k < needle.size() && LowerAscii(text[i + k]) == LowerAscii(needle[k])) ++k;
    if (k == needle.size()) return i;
  }
  return std::string_view::npos;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && FindNoCase(a, b) == 0;
}

// The embedded LF text in the CR LF form documents are written in.
std::string WithCrLf(std::string_view text) {
  std::string result;
  result.reserve(text.size() + text.size() / 20);
  for (char c : text) {
    if (c == '\n') result += '\r';
    result += c;
  }
  return result;
}

}  // namespace

std::string LoadTemplate(int index) {
  const char* text = TemplateSourceText(index);
  if (text == nullptr) {
    throw TTemplateError("The document template number " + std::to_string(index) +
                         " is not part of this program.");
  }
  return WithCrLf(text);
}

int FindTemplate(std::string_view name) {
  for (int i = 0; i < kTemplateCount; ++i) {
    if (EqualNoCase(name, TemplateResourceName(i))) return i;
  }
  return -1;
}

std::string ExtractBetween(std::string_view text, std::string_view startMarker,
                           std::string_view endMarker) {
  const std::size_t start = FindNoCase(text, startMarker);
  if (start == std::string_view::npos) return {};
  const std::size_t from = start + startMarker.size();
  const std::size_t end = FindNoCase(text, endMarker, from);
  if (end == std::string_view::npos) return {};
  return std::string(text.substr(from, end - from));
}

std::string FillToken(std::string_view name, std::string_view value, std::string_view text) {
  if (name.empty()) return std::string(text);
  const std::string token = "|" + std::string(name) + "|";
  std::string result;
  std::size_t from = 0;
  for (std::size_t at = FindNoCase(text, token); at != std::string_view::npos;
       at = FindNoCase(text, token, from)) {
    result.append(text.substr(from, at - from));
    result.append(value);
    from = at + token.size();
  }
  result.append(text.substr(from));
  return result;
}

void AppendFilledTokens(
    std::string& out, std::string_view text,
    std::initializer_list<std::pair<std::string_view, std::string_view>> tokens) {
  std::size_t from = 0;
  for (std::size_t bar = text.find('|'); bar != std::string_view::npos;
       bar = text.find('|', bar + 1)) {
    const std::size_t close = text.find('|', bar + 1);
    if (close == std::string_view::npos) break;
    const std::string_view name = text.substr(bar + 1, close - bar - 1);
    for (const auto& [token, value] : tokens) {
      if (!token.empty() && EqualNoCase(name, token)) {
        out.append(text.substr(from, bar - from));
        out.append(value);
        from = close + 1;
        bar = close;
        break;
      }
    }
  }
  out.append(text.substr(from));
}

std::string RowBlockMarker(int number) {
  return "<!-- #" + std::to_string(number) + "# -->";
}

std::string CutRowBlock(std::string& text, int number) {
  const std::string marker = RowBlockMarker(number);
  std::string block = ExtractBetween(text, marker, marker);
  // Removing an empty block would remove nothing anyway; skip the pass.
  if (!block.empty()) text = ReplaceAll(text, block, "");
  return block;
}

std::string PlaceRows(std::string_view text, std::string_view rows) {
  const std::string marker = RowBlockMarker(1);
  return ReplaceAll(text, marker + marker, rows);
}

}  // namespace tf

#include "import/MarkupText.h"

#include "import/TextEncoding.h"

namespace tf {
namespace {

constexpr std::string_view kCdataOpen = "<![CDATA[";
constexpr std::string_view kCdataClose = "]]>";

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  return (c | 0x20) - 'a' + 10;
}

bool AppendNumericReference(std::string& out, std::string_view body) {
  const bool hex = body.size() > 1 && (body[1] == 'x' || body[1] == 'X');
  const std::string_view digits = body.substr(hex ? 2 : 1);
  if (digits.empty() || digits.size() > 8) return false;
  unsigned long cp = 0;
  for (char c : digits) {
    if (hex ? !IsHexDigit(c) : (c < '0' || c > '9')) return false;
    cp = cp * (hex ? 16 : 10) + static_cast<unsigned long>(hex ? HexValue(c) : c - '0');
  }
  return cp != 0 && AppendUtf8(out, cp);
}

// `body` is the text between "&" and ";".
bool AppendEntity(std::string& out, std::string_view body) {
  if (body == "amp") return out += '&', true;
  if (body == "lt") return out += '<', true;
  if (body == "gt") return out += '>', true;
  if (body == "quot") return out += '"', true;
  if (body == "apos") return out += '\'', true;
  return body.starts_with('#') && AppendNumericReference(out, body);
}

void AppendDecodedEntities(std::string& out, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&') {
      const std::size_t semicolon = text.find(';', i + 1);
      if (semicolon != std::string_view::npos && semicolon - i <= 12 &&
          AppendEntity(out, text.substr(i + 1, semicolon - i - 1))) {
        i = semicolon;
        continue;
      }
    }
    out += text[i];
  }
}

}  // namespace

std::string DecodeCharacterData(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t open = text.find(kCdataOpen, pos);
    if (open == std::string_view::npos) break;
    const std::size_t from = open + kCdataOpen.size();
    const std::size_t close = text.find(kCdataClose, from);
    if (close == std::string_view::npos) break;
    AppendDecodedEntities(out, text.substr(pos, open - pos));
    out.append(text.substr(from, close - from));
    pos = close + kCdataClose.size();
  }
  AppendDecodedEntities(out, text.substr(pos));
  return out;
}

}  // namespace tf

#include "import/TextEncoding.h"

#include "store/TextCodec.h"

namespace tf {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsContinuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence at `i`, 0 when there is none.
std::size_t SequenceLength(std::string_view s, std::size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) return 1;
  std::size_t length = 0;
  unsigned long cp = 0;
  if (c >= 0xC2 && c <= 0xDF)
    length = 2, cp = c & 0x1F;
  else if (c >= 0xE0 && c <= 0xEF)
    length = 3, cp = c & 0x0F;
  else if (c >= 0xF0 && c <= 0xF4)
    length = 4, cp = c & 0x07;
  else
    return 0;
  if (i + length > s.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto d = static_cast<unsigned char>(s[i + k]);
    if (!IsContinuation(d)) return 0;
    cp = (cp << 6) | (d & 0x3F);
  }
  const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
  const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
  return overlong || surrogate || cp > 0x10FFFF ? 0 : length;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = SequenceLength(bytes, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

bool AppendUtf8(std::string& out, unsigned long cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
  AppendCodePoint(out, static_cast<char32_t>(cp));
  return true;
}

std::string StatementBytesToUtf8(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return Windows1252ToUtf8(bytes);
}

}  // namespace tf

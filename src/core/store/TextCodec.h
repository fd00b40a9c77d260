// The one Windows-1252 to UTF-8 conversion: old data files hold 8-bit text of
// that code page, and banks still write statements in it.
#pragma once

#include <string>
#include <string_view>

namespace tf {

// The code point's UTF-8 bytes, unchecked: a lone surrogate comes out as its
// three-byte form (WTF-8), which the store needs to keep odd UTF-16 text.
void AppendCodePoint(std::string& out, char32_t codePoint);

// Every byte as its Windows-1252 character; the five bytes that code page
// leaves undefined become the control characters of the same number.
std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace tf

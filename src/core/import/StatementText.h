// Small text steps shared by the statement parsers: trimming as the banks'
// files need it, whole-number reading, character removal and tag search.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/Text.h"

namespace tf {

// Blanks are the space and every control character, as in the trimming of
// statement lines; bytes of UTF-8 sequences are never blanks.
bool IsBlankChar(char c);
bool IsBlankText(std::string_view text);

// Optional sign and decimal digits within the int range, nothing else.
bool TryReadWholeNumber(std::string_view text, int& out);
// As TryReadWholeNumber, 0 when the text is not a whole number.
int WholeNumberOr0(std::string_view text);

std::string RemoveAll(std::string_view text, char c);
// The bytes from..from+count, empty or shorter when the text ends first.
std::string Slice(std::string_view text, std::size_t from, std::size_t count);

// Position of `needle` at or after `from`, ASCII letter case ignored; npos
// when absent.
std::size_t FindNoCase(std::string_view text, std::string_view needle, std::size_t from = 0);

}  // namespace tf

// Brings statement files to UTF-8: banks write either UTF-8 (sometimes with a
// byte-order mark) or Windows-1252, and OFX 1.x headers declare CHARSET:1252.
#pragma once

#include <string>
#include <string_view>

#include "store/TextCodec.h"

namespace tf {

bool IsValidUtf8(std::string_view bytes);

// Windows1252ToUtf8 comes from here too.

// Drops a UTF-8 byte-order mark; text that is not valid UTF-8 is taken as
// Windows-1252 and converted.
std::string StatementBytesToUtf8(std::string_view bytes);

// The code point as UTF-8; false for surrogates and values beyond Unicode.
bool AppendUtf8(std::string& out, unsigned long codePoint);

}  // namespace tf

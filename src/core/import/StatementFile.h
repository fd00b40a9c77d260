// Reads a statement file as UTF-8 text lines. Lines end at CR LF or LF; the
// encoding is settled for the whole file before it is split.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tf {

// Throws TStatementFileError when the file is missing, a folder, or unreadable.
std::vector<std::string> ReadStatementLines(const std::string& fileName);

// A final line break does not start another line; empty text has no lines.
std::vector<std::string> SplitStatementLines(std::string_view text);

}  // namespace tf

// Reads a statement file as UTF-8 text lines. Lines end at CR LF or LF; the
// encoding is settled for the whole file before it is split.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tf {

// The largest statement file read, and its longest line: anything larger is
// refused with a message naming the limit rather than eating the memory.
inline constexpr std::size_t kMaxStatementBytes = std::size_t{256} << 20;
inline constexpr std::size_t kMaxStatementLineBytes = std::size_t{1} << 20;

// Throws TStatementFileError when the file is missing, a folder or no
// regular file, unreadable, over kMaxStatementBytes, or has a line over
// kMaxStatementLineBytes.
std::vector<std::string> ReadStatementLines(const std::string& fileName);

// The lines of a statement's bytes, with the checks of ReadStatementLines;
// `fileName` names the statement in the messages.
std::vector<std::string> StatementBytesToLines(std::string_view bytes, const std::string& fileName);

// A final line break does not start another line; empty text has no lines.
std::vector<std::string> SplitStatementLines(std::string_view text);

}  // namespace tf

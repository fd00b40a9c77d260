// Where a data file's password comes from when no option gives it: typed at
// the terminal without echo, or the first line piped to stdin; and the first
// line of a password file.
#pragma once

#include <optional>
#include <string>

namespace tf::cli {

// Whether stdin is a terminal, where the password is typed.
bool StdinIsTerminal();

// At a terminal: "Password: " on stderr, the entry read with echo off (and
// echo back on even when the program is interrupted meanwhile). Otherwise
// one line of stdin. No value at the end of input. Line ends are dropped.
std::optional<std::string> ReadPasswordFromStdin();

// The first line of the file without its line end (empty for an empty
// file). std::runtime_error naming the file when it cannot be read.
std::string ReadPasswordFile(const std::string& path);

}  // namespace tf::cli

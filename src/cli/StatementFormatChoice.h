// "--format auto" of parse and import: the statement's layout told from the
// file itself, named on stderr so that a script's log shows what was read.
#pragma once

#include <string>

namespace tf::cli {

// The value parse and import take in place of a format number.
inline constexpr int kAutoFormat = -1;

// True for "auto", the text that asks for the layout to be recognised.
bool IsAutoFormat(const std::string& text);

// `format` itself, or for kAutoFormat the layout recognised from the file,
// named on stderr. A file no layout places is refused with a runtime_error
// (exit 1); one that cannot be read raises its file error.
int ResolveStatementFormat(int format, const std::string& statement);

}  // namespace tf::cli

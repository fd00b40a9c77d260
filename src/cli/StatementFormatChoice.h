// "--format auto" of parse and import: the statement's layout told from the
// file itself, named on stderr so that a script's log shows what was read.
#pragma once

#include <string>

namespace tf {
class TAccount;
}

namespace tf::cli {

// The value parse and import take in place of a format number.
inline constexpr int kAutoFormat = -1;

// True for "auto", the text that asks for the layout to be recognised.
bool IsAutoFormat(const std::string& text);

// `format` itself, or for kAutoFormat the layout recognised from the file,
// named on stderr. A file no layout places is refused with a runtime_error
// (exit 1); one that cannot be read raises its file error.
int ResolveStatementFormat(int format, const std::string& statement);

// Whether one of the built-in layouts reads the statement.
bool IsBuiltInLayout(const std::string& statement);

// For "--format auto" when no built-in layout reads the statement: the name
// of the first saved profile of `root` that fits it, named on stderr. A file
// no profile fits either is refused as ResolveStatementFormat refuses it.
std::string FittingProfileName(const TAccount& root, const std::string& statement);

}  // namespace tf::cli

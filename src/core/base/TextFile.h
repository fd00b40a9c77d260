// Text documents that the windows write for the user (exports, reports):
// every line ends with CR LF, and the file is replaced only when the new one
// is complete.
#pragma once

#include <string>

namespace tf {

// Splits at CR LF, CR or LF and writes every line followed by CR LF, the last
// one included, creating or replacing the file. EFileError when it cannot be
// written; the old file is then left as it was.
void SaveTextToFile(const std::string& text, const std::string& path);

}  // namespace tf

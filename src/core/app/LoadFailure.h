// The text the main window shows instead of its pages when the data file was
// not opened because the password was wrong or the prompt was cancelled.
#pragma once

#include <string>

namespace tf {

// Lines joined by CR LF; numbered and continuation lines start with two tabs;
// the last line ends with the path of the data file.
std::string LoadFailureMessage(const std::string& dataFilePath);

}  // namespace tf

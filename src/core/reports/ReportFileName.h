// The file name a saved HTML document gets: the name the user chose, with
// ".htm" appended unless it already ends in it.
#pragma once

#include <string>

namespace tf {

// `chosen` unchanged when its extension in capitals is ".HTM", otherwise with
// ".htm" appended: report.html becomes report.html.htm, report report.htm.
std::string ReportFileName(const std::string& chosen);

}  // namespace tf

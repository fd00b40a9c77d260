// The operating system's number separators. The core cannot ask the system
// itself; the platform layer fills this in at start-up (QLocale::system()).
#pragma once

#include <string>

namespace tf {

struct TSystemNumberFormat {
  std::string DecimalSeparator = ".";
  std::string ThousandSeparator = ",";
};

// The process-wide record; "." and "," until the platform says otherwise.
TSystemNumberFormat& SystemNumberFormat();

}  // namespace tf

// The separators the calculators write amounts with: the ones chosen in the
// preferences, handed in by the window so the arithmetic stays testable.
#pragma once

#include <string>

namespace tf {

struct TCalcNumberFormat {
  std::string ThousandSeparator = ",";
  std::string DecimalSeparator = ".";
};

}  // namespace tf

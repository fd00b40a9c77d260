// ABSA statements: the generic layout under the bank's name (heading line,
// then date, description, amount, balance).
#pragma once

#include "import/CSVParser.h"

namespace tf {

class TABSACSVParser : public TCSVParser {};

}  // namespace tf

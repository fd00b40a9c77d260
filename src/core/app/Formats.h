// The display forms of dates and amounts and the lenient readers that take
// them back; shared by the model, the statement parsers and every window.
#pragma once

#include <string>

#include "store/DateTime.h"

namespace tf {

// "DD MMM YYYY" with English month names; empty text for the zero date.
std::string FormatDisplayDate(TDateTime date);

// Reads "DD?MMM?YYYY" (characters 3 and 7 are not looked at); zero when the
// text is no valid calendar date.
TDateTime ParseStatementDate(const std::string& text);

}  // namespace tf

// Text from the data (descriptions, category and account names) as it goes
// into an HTML document built from a template: markup is escaped, and so are
// vertical bars, so that a text can never be taken for a |TOKEN| filled later.
#pragma once

#include <string>
#include <string_view>

namespace tf {

// HtmlEscape of `text`, with "|" as "&#124;" as well.
std::string ReportText(std::string_view text);

}  // namespace tf

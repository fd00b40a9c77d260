// Makes a text from the data safe to put into an HTML document, as element
// content or as an attribute value.
#pragma once

#include <string>
#include <string_view>

namespace tf {

// & < > " and ' as character references; everything else unchanged.
std::string HtmlEscape(std::string_view text);

}  // namespace tf

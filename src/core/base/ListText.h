// The two text forms of a list of texts: comma text (how the category list is
// kept in the data file) and lines separated by CR LF (the user's own
// category list).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tf {

// Items joined by ","; an item with a blank, a control character, a double
// quote or a comma is quoted with inner quotes doubled. A list of exactly one
// empty item is written as two double quotes.
std::string ToCommaText(const std::vector<std::string>& items);

// Reads comma text back: quoted items run to their closing quote, other items
// up to the next blank, control character or comma. An item with a blank in
// it but no quotes is therefore read as two items.
std::vector<std::string> ParseCommaText(std::string_view text);

// Every item followed by CR LF, the last one included.
std::string ToLinesText(const std::vector<std::string>& items);

// Splits at CR LF, CR or LF; a line break at the end opens no further line.
std::vector<std::string> ParseLinesText(std::string_view text);

}  // namespace tf

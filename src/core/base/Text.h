// Small text helpers shared by every floor above the store.
#pragma once

#include <string>
#include <string_view>

namespace tf {

// Blanks and control characters (DEL included) off both ends.
std::string_view Trimmed(std::string_view text);

// Every occurrence of `from` replaced by `to`, left to right; an empty
// `from` leaves the text as it is.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace tf

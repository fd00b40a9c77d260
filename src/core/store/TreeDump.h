// The whole tree below one object as JSON, everything in stored order; what
// `tallyfold-cli dump` prints for checking files by hand or in scripts.
#pragma once

#include <string>

#include "store/Bone.h"

namespace tf {

std::string DumpTreeJson(const TBone& root);

// A JSON string literal; bytes that are no valid UTF-8 become U+FFFD.
std::string JsonQuote(const std::string& text);

}  // namespace tf

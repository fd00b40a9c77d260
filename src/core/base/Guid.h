// Row identifiers: random GUID texts such as
// "{3F2504E0-4F89-41D3-9A0C-0305E82C3301}" for accounts, transactions and
// budget lines.
#pragma once

#include <string>

namespace tf {

// 38 characters: braces around groups of 8, 4, 4, 4 and 12 capital
// hexadecimal digits separated by hyphens; version 4 (random).
std::string NewGuid();

}  // namespace tf

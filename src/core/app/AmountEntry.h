// The rules of the amount boxes of the transaction and account editors: the
// characters that may be typed, and the plain number form that pasting and
// the plus/minus button put into the box.
#pragma once

#include <string>

#include "store/Currency.h"

namespace tf {

// Digits, "-", ",", "." and backspace; every other character is dropped.
bool IsAmountCharacter(char32_t c);

// The shortest decimal form without thousand separators, with `decimal` as
// the decimal separator: 12.5, -0.25, 100.
std::string PlainAmountText(TCurrency value, const std::string& decimal);

// The box's new text after pasting `clipboard`: "R 12,50" gives 12.5.
std::string PastedAmountText(const std::string& clipboard, const std::string& decimal);

// The box's text with its amount negated: 12.50 gives -12.5.
std::string NegatedAmountText(const std::string& text, const std::string& decimal);

}  // namespace tf

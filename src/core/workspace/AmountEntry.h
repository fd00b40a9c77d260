// The rules of the amount boxes of the transaction and account editors: the
// characters that may be typed, and the plain number form that pasting and
// the plus/minus button put into the box.
#pragma once

#include <string>

#include "store/Currency.h"

namespace tf {

// Digits, "-", ",", ".", the blank (a thousands separator) and backspace;
// every other character is dropped.
bool IsAmountCharacter(char32_t c);

// The shortest decimal form without thousand separators, with `decimal` as
// the decimal separator: 12.5, -0.25, 100.
std::string PlainAmountText(TCurrency value, const std::string& decimal);

// The box's new text after pasting `clipboard`: "R 12,50" gives 12.5.
std::string PastedAmountText(const std::string& clipboard, const std::string& decimal);

// The box's text with its amount's sign changed and nothing else: 1,234.50
// gives -1,234.50 and back. A text that is no amount, or zero, stays.
std::string NegatedAmountText(const std::string& text);

}  // namespace tf

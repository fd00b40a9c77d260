// The number handling the calculators share: reading the amount and term
// boxes, writing amounts back, stepping a box with the arrow keys and
// converting between months and years.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Text.h"
#include "calculators/CalcNumberFormat.h"

namespace tf {

// The number in an amount box, read leniently (12,50 and 1.234,56 and
// R 1 234.50 all work); 0 when the text holds no number.
double ReadMemoAmount(const std::string& text);

// The amount of a term box rounded to a whole number, halves to even:
// 12.5 gives 12, 13.5 gives 14, an empty box 0.
int ReadComboInteger(const std::string& text);

// The text as a whole number (blanks around it allowed), or `fallback` when
// it is none: the term boxes take 12 months or 1 year when they hold no number.
int ComboWholeNumber(const std::string& text, int fallback);

// Two decimals grouped by three with the preference separators; blanks and
// non-breaking spaces become the thousand separator.
std::string FormatCalcAmount(double amount, const TCalcNumberFormat& format);

enum class TStepKey { Up, Down, Other };

// The new text of an amount box after an arrow key: its amount plus (Up) or
// minus (Down) the step, halved while Shift, Alt or Ctrl is held. Nothing for
// any other key, and the box stays as it is.
std::optional<std::string> StepValue(const std::string& text, TStepKey key, double step,
                                     bool modifierHeld, const TCalcNumberFormat& format);

// Whole years of a term, the fraction cut off: 30 months are 2 years.
int MonthsToYears(int months);
// Years times 12, held within the range of int.
int YearsToMonths(int years);

// "first", "first + 1", ..., "last" for a term box; none when last < first.
std::vector<std::string> NumberComboItems(int first, int last);

}  // namespace tf

// The display forms of dates and amounts, the lenient readers that take them
// back, and the loose date and amount comparisons of the transaction views;
// shared by the model, the statement parsers and every window.
#pragma once

#include <string>

#include "store/Currency.h"
#include "store/DateTime.h"

namespace tf {

// "DD MMM YYYY" with English month names; empty text for the zero date.
std::string FormatDisplayDate(TDateTime date);

// Reads "DD?MMM?YYYY" (characters 3 and 7 are not looked at); zero when the
// text is no valid calendar date.
TDateTime ParseStatementDate(const std::string& text);

// A date as people type it: a day of one or two digits, the month's English
// three-letter name in any letter case and a four-digit year, apart by a
// blank, "-", "/" or "."; also what ParseStatementDate reads from an
// 11-character text with a month name. Zero for anything else.
TDateTime ParseTypedDate(const std::string& text);

// An amount typed or pasted by the user: "12,50", "1.234,56", "1,234.56" and
// "R 1 234.50" are all understood; blanks, letters, currency signs and
// parentheses are dropped. The default when no number remains.
double ParseAmount(const std::string& text, double defaultAmount);
// Whether ParseAmount finds a number in the text (no default needed).
bool IsAmountText(const std::string& text);
// The same reading, exact to four decimals.
TCurrency ParseAmountCurrency(const std::string& text, TCurrency defaultAmount);

// Same calendar year and month.
bool SameMonth(TDateTime a, TDateTime b);
// from <= date <= to on calendar dates, the times dropped.
bool DateInRange(TDateTime date, TDateTime from, TDateTime to);
// Whether the candidate's magnitude lies within 15 percent of the
// reference's, both taken to whole numbers (halves to even). Never for a
// reference that rounds to 0.
bool AmountsClose(double reference, double candidate);

}  // namespace tf

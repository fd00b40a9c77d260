// Calendar dates as days since 1899-12-30, the fraction being the time of day.
// The data file, the model and every parser count days this way.
#pragma once

#include <string>

namespace tf {

using TDateTime = double;

bool IsValidDate(int year, int month, int day);
int DaysInMonth(int year, int month);

// Days since 1899-12-30 for a valid date; false (and out untouched) otherwise.
bool TryEncodeDate(int year, int month, int day, TDateTime& out);
// As TryEncodeDate, 0 for an invalid date.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int msec = 0);
void DecodeDate(TDateTime date, int& year, int& month, int& day);
void DecodeTime(TDateTime date, int& hour, int& minute, int& second, int& msec);

// The date part (time dropped), truncating towards zero as the format does.
TDateTime DateOf(TDateTime date);
TDateTime StartOfMonth(TDateTime date);
// The last moment (23:59:59.999) of the date's month.
TDateTime EndOfMonth(TDateTime date);

// English short month name for 1..12 ("Jan" ... "Dec"); empty otherwise.
const char* ShortMonthName(int month);
// 1..12 for a short month name compared ignoring case, 0 when it is none.
int MonthFromShortName(const std::string& name);

// "dd MMM yyyy" with English month names, for example "05 Jan 2008".
std::string FormatDayMonthYear(TDateTime date);

TDateTime Now();
TDateTime Today();

}  // namespace tf

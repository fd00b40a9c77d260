// The periods the report windows offer: the quick choices under their date
// pickers ("This Year", "Last Year", "The Last 3 Months", "Last 12 Months",
// "This Month"), keeping a chosen period in order, and month titles.
#pragma once

#include <string>

#include "store/DateTime.h"

namespace tf {

struct TPeriod {
  TDateTime From = 0, To = 0;
};

enum class TQuickPeriod { ThisYear, LastYear, LastThreeMonths, LastTwelveMonths, ThisMonth };

// The period a quick choice means on `today`: from the first day of its
// first month to the last moment of its last day.
TPeriod QuickPeriod(TQuickPeriod choice, TDateTime today);

// From the first day of From's month to the last moment of To's month.
TPeriod WholeMonths(TDateTime from, TDateTime to);

// A period whose end lies before its start, put in order after a picker
// closed its calendar: a closed From pulls To to 31 December of From's year,
// a closed To pulls From to 1 January of To's year.
enum class TPeriodEdge { From, To };
TPeriod OrderedAfterCloseUp(TPeriod period, TPeriodEdge closed);
// After a typed change of either picker To moves to 31 December of From's year.
TPeriod OrderedAfterChange(TPeriod period);

// 31 December (last moment) and 1 January of the date's year.
TDateTime EndOfYear(TDateTime date);
TDateTime StartOfYear(TDateTime date);

// "Mar 2024" for the date's month.
std::string MonthTitle(TDateTime date);

}  // namespace tf

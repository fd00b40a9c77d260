// The date range of the transactions page: its start on the current month,
// the Previous/Next step (whole months step by a month, other ranges by
// their own length) and the corrections when the end falls before the start.
#pragma once

#include "store/DateTime.h"

namespace tf {

// Both ends are dates without a time of day.
struct TDateRange {
  TDateTime From = 0;
  TDateTime To = 0;
  friend bool operator==(const TDateRange&, const TDateRange&) = default;
};

// The first to the last day of the month of `day`.
TDateRange MonthRange(TDateTime day);

// A range of whole months becomes the one month before (or after) the
// month it starts in; any other range of n days moves by n days, so that the
// new range shares its last day (Previous) or first day (Next) with the old.
TDateRange StepDateRange(const TDateRange& range, bool next);

// After a picker change: an end before the start becomes the last day of
// the start's month.
TDateRange RangeAfterChange(const TDateRange& range);

// When a picker's calendar closes with the end before the start: closing
// the start picker moves the end to the start's month end, closing the end
// picker moves the start to the first of the end's month.
TDateRange RangeAfterCloseUp(const TDateRange& range, bool closedFromPicker);

}  // namespace tf

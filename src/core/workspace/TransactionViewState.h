// The transactions page's view state kept in the data file: the date range
// and "Ignore Dates", as the root's StartDate, EndDate and IgnoreDates.
#pragma once

#include "workspace/DateRangeStep.h"

namespace tf {

class TAccount;

struct TTransactionViewState {
  TDateRange Range;
  bool IgnoreDates = false;
};

// Written on every fill of the transactions grid.
void StoreViewState(TAccount& root, const TTransactionViewState& state);

// Read once when the page is first shown: a stored date that parses
// replaces the one in `state`; IgnoreDates is always taken.
void RestoreViewState(const TAccount& root, TTransactionViewState& state);

}  // namespace tf

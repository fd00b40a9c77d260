#include "workspace/DateRangeStep.h"

#include <cmath>

namespace tf {
namespace {

TDateTime LastDayOfMonth(TDateTime day) {
  return DateOf(EndOfMonth(day));
}

bool IsWholeMonths(TDateTime from, TDateTime to) {
  return from == StartOfMonth(from) && to == LastDayOfMonth(to);
}

TDateRange StepWholeMonths(TDateTime from, bool next) {
  const TDateTime monthStart =
      next ? LastDayOfMonth(from) + 1 : StartOfMonth(StartOfMonth(from) - 1);
  return MonthRange(monthStart);
}

}  // namespace

TDateRange MonthRange(TDateTime day) {
  return {StartOfMonth(day), LastDayOfMonth(day)};
}

TDateRange StepDateRange(const TDateRange& range, bool next) {
  const TDateTime from = DateOf(range.From);
  const TDateTime to = DateOf(range.To);
  if (IsWholeMonths(from, to)) return StepWholeMonths(from, next);
  const TDateTime end = to + EncodeTime(23, 59, 59, 999);
  const double days = std::trunc(end - from);
  if (days < 1) {
    // A single day steps to the day before or after; by its own length of
    // zero days it would never move.
    const TDateTime day = from + (next ? 1 : -1);
    return {day, day};
  }
  const TDateTime newFrom = next ? from + days : from - days;
  return {newFrom, newFrom + days};
}

TDateRange RangeAfterChange(const TDateRange& range) {
  if (range.To >= range.From) return range;
  return {range.From, LastDayOfMonth(range.From)};
}

TDateRange RangeAfterCloseUp(const TDateRange& range, bool closedFromPicker) {
  if (range.To >= range.From) return range;
  if (closedFromPicker) return {range.From, LastDayOfMonth(range.From)};
  return {StartOfMonth(range.To), range.To};
}

}  // namespace tf

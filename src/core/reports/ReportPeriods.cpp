#include "reports/ReportPeriods.h"

#include "reports/ReportCharts.h"

namespace tf {
namespace {

// The first day of the month `back` months before the date's month.
TDateTime MonthsBack(TDateTime date, int back) {
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  int index = year * 12 + month - 1 - back;
  return EncodeDate(index / 12, index % 12 + 1, 1);
}

}  // namespace

TDateTime StartOfYear(TDateTime date) {
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  return EncodeDate(year, 1, 1);
}

TDateTime EndOfYear(TDateTime date) {
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  return EndOfMonth(EncodeDate(year, 12, 1));
}

TPeriod QuickPeriod(TQuickPeriod choice, TDateTime today) {
  switch (choice) {
    case TQuickPeriod::ThisYear:
      return {StartOfYear(today), EndOfYear(today)};
    case TQuickPeriod::LastYear: {
      const TDateTime lastYear = StartOfYear(today) - 1;
      return {StartOfYear(lastYear), EndOfYear(lastYear)};
    }
    case TQuickPeriod::LastThreeMonths:
      return {MonthsBack(today, 3), EndOfMonth(today)};
    case TQuickPeriod::LastTwelveMonths:
      return {MonthsBack(today, 11), EndOfMonth(today)};
    case TQuickPeriod::ThisMonth:
      return {StartOfMonth(today), EndOfMonth(today)};
  }
  return {};
}

TPeriod WholeMonths(TDateTime from, TDateTime to) {
  return {StartOfMonth(from), EndOfMonth(to)};
}

TPeriod OrderedAfterCloseUp(TPeriod period, TPeriodEdge closed) {
  if (!(period.To < period.From)) return period;
  if (closed == TPeriodEdge::From)
    period.To = EndOfYear(period.From);
  else
    period.From = StartOfYear(period.To);
  return period;
}

TPeriod OrderedAfterChange(TPeriod period) {
  if (period.To < period.From) period.To = EndOfYear(period.From);
  return period;
}

std::string MonthTitle(TDateTime date) {
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  return ShortMonthYear(year, month);
}

}  // namespace tf

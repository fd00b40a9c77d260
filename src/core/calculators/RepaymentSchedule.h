// The month-by-month repayment schedule of an amortising loan, paid in cents,
// with the last payment absorbing the rounding.
#pragma once

#include "calculators/MortgageRecord.h"
#include "store/DateTime.h"

namespace tf {

// The longest term the calculators work with: a thousand years of months.
// Longer terms are treated as never reached.
inline constexpr int kMaxTermMonths = 12000;

// The schedule of `amount` over `months` months at `rate` percent a year; the
// first payment falls on the start date's month. A term below one month has
// no payments. Raises TCalculatorError for a term beyond kMaxTermMonths or
// one that would end after the year 9999.
TMortgageRecord BuildRepaymentSchedule(int months, int periodsPerYear, double amount, double rate,
                                       TDateTime startDate);

// `date` moved by `months` calendar months, the day kept but clipped to the
// month's length (31 Jan + 1 month is 28 or 29 Feb) and the time of day
// dropped; false when the result lies outside the years 1 to 9999.
bool TryAddMonths(TDateTime date, int months, TDateTime& out);

}  // namespace tf

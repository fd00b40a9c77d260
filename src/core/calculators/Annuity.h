// The formulas of the two calculators: the annuity of an amortising loan and
// the growth of a once-off or monthly deposit. Rates are nominal annual
// percentages; k is the number of periods per year (the calculators pass 12).
#pragma once

#include "calculators/CalcResult.h"

namespace tf {

enum class TAnnuityMode {
  Repayment = 0,   // the periodic repayment of an amount
  LoanAmount = 1,  // the amount a repayment pays off
  Term = 2,        // the periods a repayment needs, rounded up
};

enum class TGrowthDirection {
  ValueAtMaturity = 0,  // what the deposit grows to
  Deposit = 1,          // the deposit that grows to the value
};

// One of the three figures of a loan from the other two. 0 for fewer than
// one period, and for a repayment or amount with no amount or repayment.
// Without interest the amount is simply spread over the term (A / N, P x N,
// A / P rounded up). A term that cannot be reached (the repayment does not
// exceed one period's interest) has no answer.
TCalcResult AnnuityValue(TAnnuityMode mode, int months, int periodsPerYear, double amount,
                         double rate, double repayment);

// One deposit compounded every period over `months` months.
TCalcResult CompoundGrowth(int periodsPerYear, int months, TGrowthDirection direction, double value,
                           double rate, double deposit);

// Equal deposits at the end of every month; without interest they simply
// add up (N x D, V / N). The deposit for a value over 0 months has no answer.
TCalcResult AnnuityGrowth(int months, int periodsPerYear, TGrowthDirection direction, double value,
                          double rate, double deposit);

}  // namespace tf

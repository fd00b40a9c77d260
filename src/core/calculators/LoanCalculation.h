// What the personal loan calculator shows after any change: the repayment
// from the amount, the amount from a typed repayment, or the term when the
// repayment is stepped with the arrow keys.
#pragma once

#include <optional>

#include "calculators/CalcResult.h"

namespace tf {

inline constexpr const char* kRepaymentTooSmall =
    "Your \"Monthly Repayment\" are too small to achieve amortization";

// Which figure the user is working on, told by the repayment box's focus.
enum class TLoanEdit {
  AmountRateOrTerm,  // the repayment box has no focus
  Repayment,         // typing in the repayment box
  RepaymentStep,     // Up or Down pressed in the repayment box
};

struct TLoanInputs {
  double LoanAmount = 0;
  double AnnualRate = 0;  // percent
  double Repayment = 0;
  int Months = 0;
};

enum class TLoanHelp {
  Unchanged,        // leave the help box as it is (but drop kBeyondAnyNumber)
  TooSmall,         // show kRepaymentTooSmall
  HelpText,         // put the saved help text back
  BeyondAnyNumber,  // show kBeyondAnyNumber: the figure overflowed
};

struct TLoanOutcome {
  std::optional<double> LoanAmount;  // to write into the amount box
  std::optional<double> Repayment;   // to write into the repayment box
  std::optional<int> Months;         // to write into the months box (years follow)
  double TotalRepayments = 0;
  TLoanHelp Help = TLoanHelp::Unchanged;
  bool ScheduleEnabled = false;  // exactly when the total is not 0
};

TLoanOutcome CalculateLoan(const TLoanInputs& inputs, TLoanEdit edit);

}  // namespace tf

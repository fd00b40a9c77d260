#include "calculators/LoanCalculation.h"

#include <cmath>

#include "calculators/Annuity.h"
#include "calculators/RepaymentSchedule.h"

namespace tf {
namespace {

constexpr int kPerYear = 12;

void StepTerm(const TLoanInputs& in, TLoanOutcome& out) {
  const TCalcResult term = AnnuityValue(TAnnuityMode::Term, in.Months, kPerYear, in.LoanAmount,
                                        in.AnnualRate, in.Repayment);
  // A term of thousands of years is as good as none.
  if (!term.HasAnswer || term.Value == 0 || term.Value > kMaxTermMonths) {
    out.Help = TLoanHelp::TooSmall;
    out.TotalRepayments = 0;
    return;
  }
  out.Months = static_cast<int>(term.Value);
  out.TotalRepayments = in.Repayment * term.Value;
  out.Help = TLoanHelp::HelpText;
}

// The repayment or the amount; 0 and a note when the figure overflows.
double Figure(const TCalcResult& result, TLoanOutcome& out) {
  if (!result.HasAnswer) out.Help = TLoanHelp::BeyondAnyNumber;
  return result.Value;
}

}  // namespace

TLoanOutcome CalculateLoan(const TLoanInputs& in, TLoanEdit edit) {
  TLoanOutcome out;
  switch (edit) {
    case TLoanEdit::AmountRateOrTerm:
      out.Repayment = Figure(AnnuityValue(TAnnuityMode::Repayment, in.Months, kPerYear,
                                          in.LoanAmount, in.AnnualRate, in.Repayment),
                             out);
      out.TotalRepayments = in.Months * *out.Repayment;
      break;
    case TLoanEdit::Repayment:
      out.LoanAmount = Figure(AnnuityValue(TAnnuityMode::LoanAmount, in.Months, kPerYear, 0,
                                           in.AnnualRate, in.Repayment),
                              out);
      out.TotalRepayments = in.Months * in.Repayment;
      break;
    case TLoanEdit::RepaymentStep:
      StepTerm(in, out);
      break;
  }
  // A total beyond any number cannot be shown or scheduled.
  if (!std::isfinite(out.TotalRepayments)) {
    out.TotalRepayments = 0;
    out.Help = TLoanHelp::BeyondAnyNumber;
  }
  out.ScheduleEnabled = out.TotalRepayments != 0;
  return out;
}

}  // namespace tf

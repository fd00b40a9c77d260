#include "calculators/InvestmentCalculation.h"

#include <cmath>

#include "calculators/Annuity.h"

namespace tf {
namespace {

constexpr int kPerYear = 12;

TCalcResult Grow(const TInvestmentInputs& in, TDepositKind kind, TGrowthDirection direction) {
  if (kind == TDepositKind::OnceOff) {
    return CompoundGrowth(kPerYear, in.Months, direction, in.ValueAtMaturity, in.AnnualRate,
                          in.Deposit);
  }
  return AnnuityGrowth(in.Months, kPerYear, direction, in.ValueAtMaturity, in.AnnualRate,
                       in.Deposit);
}

}  // namespace

TInvestmentOutcome CalculateInvestment(const TInvestmentInputs& in, TDepositKind kind,
                                       bool maturityTyped) {
  TInvestmentOutcome out;
  const TCalcResult result =
      Grow(in, kind, maturityTyped ? TGrowthDirection::Deposit : TGrowthDirection::ValueAtMaturity);
  const double value = maturityTyped ? in.ValueAtMaturity : result.Value;
  const double deposit = maturityTyped ? result.Value : in.Deposit;
  if (maturityTyped) {
    out.Deposit = deposit;
  } else {
    out.ValueAtMaturity = value;
  }
  out.HasAnswer = result.HasAnswer;
  if (!result.HasAnswer) {
    const bool noTime = kind == TDepositKind::Monthly && maturityTyped && in.Months < 1;
    out.Message = noTime ? kTermTooShort : kBeyondAnyNumber;
    return out;
  }
  const double paidIn = kind == TDepositKind::OnceOff ? deposit : in.Months * deposit;
  out.InterestEarned = value - paidIn;
  if (!std::isfinite(out.InterestEarned)) {
    out.InterestEarned = 0;
    out.HasAnswer = false;
    out.Message = kBeyondAnyNumber;
  }
  return out;
}

}  // namespace tf

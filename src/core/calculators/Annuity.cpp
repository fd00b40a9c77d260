#include "calculators/Annuity.h"

#include <algorithm>
#include <cmath>

namespace tf {
namespace {

TCalcResult Finite(double value) {
  return std::isfinite(value) ? TCalcResult::Answer(value) : TCalcResult::NoAnswer();
}

// (1 + r) to the power -n, the discount over the whole term.
double Discount(int months, double periodicRate) {
  return std::exp(-months * std::log(1 + periodicRate));
}

// Without interest the annuity is plain division: the formulas' limit as
// the rate goes to 0, which they cannot evaluate themselves (0 / 0).
TCalcResult RepaymentFor(int n, int k, double amount, double rate, double r) {
  if (amount == 0) return TCalcResult::Answer(0);
  if (rate == 0) return Finite(amount / n);
  return Finite(amount * rate / 100 / k / (1 - Discount(n, r)));
}

TCalcResult LoanAmountFor(int n, int k, double repayment, double rate, double r) {
  if (repayment == 0) return TCalcResult::Answer(0);
  if (rate == 0) return Finite(repayment * n);
  return Finite(k * repayment * 100 / rate * (1 - Discount(n, r)));
}

// `t` rounded up to whole periods.
double WholePeriods(double t) {
  const double whole = std::trunc(t);
  return t == whole ? whole : whole + 1;
}

// amount / repayment rounded up; a quotient a hair above a whole number
// (1.1 / 0.1) is that number, as the repayments really add up to the amount.
TCalcResult InterestFreeTerm(double amount, double repayment) {
  const double t = amount / repayment;
  if (!std::isfinite(t) || t <= 0) return TCalcResult::NoAnswer();
  const double nearest = std::nearbyint(t);
  return TCalcResult::Answer(std::fabs(t - nearest) <= 1e-9 * nearest ? nearest : WholePeriods(t));
}

// Solves amount = repayment * (1 - (1 + r)^-t) / r for t and rounds up.
TCalcResult TermFor(double amount, double rate, double repayment, double r) {
  if (amount == 0 && repayment != 0) return TCalcResult::Answer(0);  // nothing to pay off
  if (rate == 0) return InterestFreeTerm(amount, repayment);
  const double h = amount * r / repayment;
  // h of 1 or more: the repayment never gets past the interest.
  if (!(h < 1)) return TCalcResult::NoAnswer();
  const double t = -std::log(1 - h) / std::log(1 + r);
  // A negative term means the repayment and the amount have opposite signs.
  if (!std::isfinite(t) || t < 0) return TCalcResult::NoAnswer();
  return TCalcResult::Answer(WholePeriods(t));
}

// (1 + r) multiplied `months` times; stops early once the product can no
// longer change (0, an infinity, or a factor that rounds to 1).
double MonthlyGrowth(int months, double r) {
  const double factor = 1 + r;
  double product = 1;
  for (int i = 0; i < months; ++i) {
    const double next = product * factor;
    if (next == product || !std::isfinite(next)) return next;
    product = next;
  }
  return product;
}

// Without interest the deposits simply add up.
TCalcResult InterestFreeDeposits(int months, TGrowthDirection direction, double value,
                                 double deposit) {
  const int paid = std::max(months, 0);
  if (direction == TGrowthDirection::ValueAtMaturity) return Finite(paid * deposit);
  // No deposit reaches a value when none is made.
  return paid == 0 ? TCalcResult::NoAnswer() : Finite(value / paid);
}

}  // namespace

TCalcResult AnnuityValue(TAnnuityMode mode, int months, int periodsPerYear, double amount,
                         double rate, double repayment) {
  if (months < 1 || periodsPerYear < 1) return TCalcResult::Answer(0);
  const double r = rate / 100 / periodsPerYear;
  // A rate of -100% a period or below leaves no growth factor to work with.
  if (!(1 + r > 0)) return TCalcResult::NoAnswer();
  switch (mode) {
    case TAnnuityMode::Repayment:
      return RepaymentFor(months, periodsPerYear, amount, rate, r);
    case TAnnuityMode::LoanAmount:
      return LoanAmountFor(months, periodsPerYear, repayment, rate, r);
    case TAnnuityMode::Term:
      return TermFor(amount, rate, repayment, r);
  }
  return TCalcResult::NoAnswer();
}

TCalcResult CompoundGrowth(int periodsPerYear, int months, TGrowthDirection direction, double value,
                           double rate, double deposit) {
  if (periodsPerYear < 1) return TCalcResult::Answer(0);
  const double r = rate / 100 / periodsPerYear;
  if (!(1 + r > 0)) return TCalcResult::NoAnswer();
  const double growth = std::exp(std::log(1 + r) * (months / 12.0 * periodsPerYear));
  if (direction == TGrowthDirection::ValueAtMaturity) return Finite(deposit * growth);
  return growth == 0 ? TCalcResult::NoAnswer() : Finite(value / growth);
}

TCalcResult AnnuityGrowth(int months, int periodsPerYear, TGrowthDirection direction, double value,
                          double rate, double deposit) {
  if (periodsPerYear < 1) return TCalcResult::Answer(0);
  if (rate == 0) return InterestFreeDeposits(months, direction, value, deposit);
  const double r = rate / 100 / periodsPerYear;
  const double growth = MonthlyGrowth(months, r);
  if (direction == TGrowthDirection::ValueAtMaturity) {
    return Finite((growth - 1) * deposit * periodsPerYear * 100 / rate);
  }
  // Over 0 months no deposit earns anything, so none reaches the value.
  if (growth - 1 == 0) return TCalcResult::NoAnswer();
  return Finite(value * rate / 100 / periodsPerYear / (growth - 1));
}

}  // namespace tf

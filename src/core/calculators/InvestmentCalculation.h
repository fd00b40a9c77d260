// What the capital investment calculator shows after any change: the value
// at maturity from the deposit, or the deposit from a typed value.
#pragma once

#include <optional>

namespace tf {

enum class TDepositKind { OnceOff, Monthly };

struct TInvestmentInputs {
  double Deposit = 0;
  double AnnualRate = 0;  // percent
  double ValueAtMaturity = 0;
  int Months = 0;
};

struct TInvestmentOutcome {
  std::optional<double> Deposit;          // to write into the deposit box
  std::optional<double> ValueAtMaturity;  // to write into the value box
  double InterestEarned = 0;
  // False when the figure has no answer (monthly deposits over 0 months
  // reaching a value); 0 is written and no interest is shown.
  bool HasAnswer = true;
};

// `maturityTyped`: the value-at-maturity box has the focus, so the deposit is
// worked out from it.
TInvestmentOutcome CalculateInvestment(const TInvestmentInputs& inputs, TDepositKind kind,
                                       bool maturityTyped);

}  // namespace tf

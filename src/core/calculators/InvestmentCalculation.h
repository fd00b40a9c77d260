// What the capital investment calculator shows after any change: the value
// at maturity from the deposit, or the deposit from a typed value.
#pragma once

#include <optional>

#include "calculators/CalcResult.h"

namespace tf {

enum class TDepositKind { OnceOff, Monthly };

// Shown in the help box when monthly deposits are to reach a value in no time.
inline constexpr const char* kTermTooShort =
    "Your \"Term\" is too short: monthly deposits need at least one month to reach a "
    "\"Value at maturity\"";

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
  // reaching a value, a figure beyond any number); 0 is written, no
  // interest is shown and Message says why.
  bool HasAnswer = true;
  // kTermTooShort or kBeyondAnyNumber for the help box; none when there is
  // an answer and the help text belongs there.
  const char* Message = nullptr;
};

// `maturityTyped`: the value-at-maturity box has the focus, so the deposit is
// worked out from it.
TInvestmentOutcome CalculateInvestment(const TInvestmentInputs& inputs, TDepositKind kind,
                                       bool maturityTyped);

}  // namespace tf

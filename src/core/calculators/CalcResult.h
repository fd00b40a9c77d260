// The answer of a calculator formula, or the note that it has none: a term
// that cannot be reached, a division by zero, a figure beyond any number.
#pragma once

namespace tf {

// What a calculator says when a figure overflows every number it can show.
inline constexpr const char* kBeyondAnyNumber =
    "These figures are beyond any number the calculator can show.";

struct TCalcResult {
  double Value = 0;  // 0 when there is no answer
  bool HasAnswer = true;

  static TCalcResult Answer(double value) { return {value, true}; }
  static TCalcResult NoAnswer() { return {0, false}; }
};

}  // namespace tf

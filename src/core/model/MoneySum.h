// Adds amounts exactly, in ten-thousandths, and gives the total as the
// Double the sums return. What would carry the total beyond the 64-bit range
// is kept aside in floating point instead of wrapping round.
#pragma once

#include <cstdint>

#include "store/Currency.h"

namespace tf {

class TMoneySum {
 public:
  void Add(TCurrency amount) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(Raw_, amount.Raw, &sum))
      Extra_ += amount.ToDouble();
    else
      Raw_ = sum;
  }
  void Subtract(TCurrency amount) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(Raw_, amount.Raw, &difference))
      Extra_ -= amount.ToDouble();
    else
      Raw_ = difference;
  }
  void Add(const TMoneySum& other) {
    Add(TCurrency{other.Raw_});
    Extra_ += other.Extra_;
  }
  double ToDouble() const { return TCurrency{Raw_}.ToDouble() + Extra_; }

 private:
  std::int64_t Raw_ = 0;
  double Extra_ = 0;
};

// a + b, held at the ends of the range instead of wrapping round.
inline TCurrency AddSaturating(TCurrency a, TCurrency b) {
  std::int64_t sum = 0;
  if (!__builtin_add_overflow(a.Raw, b.Raw, &sum)) return TCurrency{sum};
  return TCurrency{b.Raw > 0 ? INT64_MAX : INT64_MIN};
}

}  // namespace tf

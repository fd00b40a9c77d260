// Raised when a calculator is asked for something it cannot produce, such as
// a repayment schedule longer than any loan or beyond the calendar.
#pragma once

#include <stdexcept>
#include <string>

namespace tf {

class TCalculatorError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tf

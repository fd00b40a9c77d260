// Shared helpers of the statement parser tests: fixture paths and readable
// money values.
#pragma once

#include <ostream>
#include <stdexcept>
#include <string>

#include "store/Currency.h"
#include "store/DateTime.h"

namespace tf {

inline void PrintTo(const TCurrency& value, std::ostream* os) {
  *os << CurrencyToText(value);
}

}  // namespace tf

namespace tf::test {

inline std::string Fixture(const std::string& name) {
  return std::string(TALLYFOLD_TEST_DATA) + "/import/" + name;
}

inline TCurrency Money(const std::string& text) {
  TCurrency value;
  if (!TryTextToCurrency(text, value)) throw std::invalid_argument("bad money in test: " + text);
  return value;
}

}  // namespace tf::test

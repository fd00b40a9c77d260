// The transactions of one account that a script asks for: the filter rule
// of the transactions page with a date range that may be open at either end
// or absent altogether.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "store/DateTime.h"

namespace tf {

class TAccount;
class TTransactions;

struct TTransactionQuery {
  std::string FilterBoxText;      // as typed into the filter box
  std::optional<TDateTime> From;  // no value: from the earliest day
  std::optional<TDateTime> To;    // no value: up to the latest day
};

// The live transactions of the account that pass the filter and lie in the
// range, in stored order. Without either end every date passes; with one a
// transaction whose date does not parse is outside, as in any date range.
std::vector<TTransactions*> QueryTransactions(const TAccount& account,
                                              const TTransactionQuery& query);

}  // namespace tf

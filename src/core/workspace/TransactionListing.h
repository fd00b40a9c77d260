// Which transactions the transactions page lists for a filter text and a date
// range, and which accounts its accounts grid shows. One filter box searches
// description and category text, uncategorised rows, amounts and a day.
#pragma once

#include <string>
#include <vector>

#include "model/Account.h"
#include "store/DateTime.h"

namespace tf {

class TAccount;
class TTransactions;

inline constexpr const char* kTransactionFilterPlaceholder = "filter transactions here";

// The filter box's text trimmed and upper-cased; empty for the placeholder.
std::string TransactionFilterText(const std::string& boxText);

class TTransactionListing {
 public:
  // `filter` as TransactionFilterText gives it; the range is of whole days.
  TTransactionListing(std::string filter, TDateTime from, TDateTime to, bool ignoreDates);

  bool IsListed(const TTransactions& row) const;
  // The listed rows of a table, in stored order; none for no table.
  std::vector<TTransactions*> List(const TTransactions* table) const;

 private:
  bool InRange(const TTransactions& row) const;
  bool MatchesFilter(const TTransactions& row) const;

  std::string Filter_;
  double FilterAmount_ = 0;
  TDateTime FilterDay_ = 0;
  TDateTime From_, To_;
  bool IgnoreDates_;
};

}  // namespace tf

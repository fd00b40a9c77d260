// The month index: for every account, which rows of its transaction table
// fall in which calendar month, so that monthly sums visit only those rows.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "store/DateTime.h"

namespace tf {

class TAccount;

struct TIndexItem {
  int Year = 0;
  int Month = 0;
  int First = 0;
  int Last = 0;
  std::string AccountID;
  TDateTime MonthStart = 0;
};

class TMonthIndex {
 public:
  // With onlyIfEmpty set, an index that has entries is kept as it is.
  void Build(const TAccount& root, bool onlyIfEmpty);
  void Clear() { Items_.clear(); }
  bool Empty() const { return Items_.empty(); }
  // (First, Last) transaction indexes of the months from start to end.
  std::pair<int, int> FindMonthRange(const std::string& accountId, TDateTime start,
                                     TDateTime end) const;
  const std::vector<TIndexItem>& Items() const { return Items_; }

 private:
  std::vector<TIndexItem> Items_;
};

}  // namespace tf

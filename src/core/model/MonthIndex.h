// The month index: for every account, which rows of its transaction table
// fall in which calendar month, so that monthly sums visit only those rows.
// It remembers the store's change count it was built at: once rows have been
// added, removed, moved or sorted anywhere, it is stale and rebuilt on use.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
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
  // With onlyIfEmpty set, an index that is built and not stale is kept.
  void Build(const TAccount& root, bool onlyIfEmpty);
  void Clear();
  bool Empty() const { return Items_.empty(); }
  // Never built, cleared, or built before the rows last changed.
  bool Stale() const;
  // (First, Last) transaction indexes of the months from start to end; an end
  // of 0 means the end of the start's month. (0, 0) for an unknown account.
  std::pair<int, int> FindMonthRange(const std::string& accountId, TDateTime start,
                                     TDateTime end) const;
  const std::vector<TIndexItem>& Items() const { return Items_; }

 private:
  // Where an account's items are, so a lookup never walks other accounts.
  struct TAccountItems {
    std::vector<int> Positions;
    std::unordered_map<int, int> FirstOfMonth;  // year * 12 + month -> position
  };
  void Append(const TIndexItem& item);

  std::vector<TIndexItem> Items_;
  std::unordered_map<std::string, TAccountItems> ByAccount_;
  bool Built_ = false;
  std::uint64_t BuiltAt_ = 0;
};

}  // namespace tf

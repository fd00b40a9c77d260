#include "model/MonthIndex.h"

#include "model/Account.h"
#include "model/Transactions.h"
#include "store/StoreChanges.h"

namespace tf {
namespace {

int MonthKey(int year, int month) {
  return year * 12 + month;
}

int MonthKeyOf(TDateTime date) {
  int year, month, day;
  DecodeDate(date, year, month, day);
  return MonthKey(year, month);
}

}  // namespace

void TMonthIndex::Clear() {
  Items_.clear();
  ByAccount_.clear();
  Built_ = false;
}

bool TMonthIndex::Stale() const {
  return !Built_ || BuiltAt_ != StoreChangeCount();
}

void TMonthIndex::Append(const TIndexItem& item) {
  const int position = static_cast<int>(Items_.size());
  Items_.push_back(item);
  TAccountItems& account = ByAccount_[item.AccountID];
  account.Positions.push_back(position);
  account.FirstOfMonth.try_emplace(MonthKey(item.Year, item.Month), position);
}

// Deleted accounts and rows are indexed like any other: the index gives row
// positions, and the sums skip deleted rows themselves.
void TMonthIndex::Build(const TAccount& root, bool onlyIfEmpty) {
  if (onlyIfEmpty && !Stale()) return;
  Clear();
  Built_ = true;
  BuiltAt_ = StoreChangeCount();
  for (int a = 0; a < root.RowCount(); ++a) {
    const TAccount* account = root.AccountAt(a);
    const TTransactions* table = account ? account->TransactionsTable() : nullptr;
    if (table == nullptr) continue;
    TIndexItem item;
    item.AccountID = account->FieldAt(TAccount::fAccountID)->AsString();
    TDateTime current = 0;
    for (int i = 0; i < table->RowCount(); ++i) {
      const TTransactions* row = table->TransactionAt(i);
      const TDateTime month = StartOfMonth(row ? row->DateValue() : 0);
      if (month != current) {
        if (current != 0) Append(item);
        item.First = i;
        current = month;
        int day;
        DecodeDate(month, item.Year, item.Month, day);
        item.MonthStart = month;
      }
      item.Last = i;
    }
    if (current != 0) Append(item);
  }
}

std::pair<int, int> TMonthIndex::FindMonthRange(const std::string& accountId, TDateTime start,
                                                TDateTime end) const {
  if (end == 0) end = EndOfMonth(start);
  if (accountId.empty()) return {0, 0};
  const auto found = ByAccount_.find(accountId);
  if (found == ByAccount_.end()) return {0, 0};
  const int startKey = MonthKeyOf(start), endKey = MonthKeyOf(end);
  if (startKey == endKey) {
    // One month: the walk below stops at the first item of that month.
    const auto item = found->second.FirstOfMonth.find(startKey);
    if (item == found->second.FirstOfMonth.end()) return {0, 0};
    const TIndexItem& entry = Items_[static_cast<std::size_t>(item->second)];
    return {entry.First, entry.Last};
  }
  int first = 0, last = 0;
  for (int position : found->second.Positions) {
    const TIndexItem& entry = Items_[static_cast<std::size_t>(position)];
    const int key = MonthKey(entry.Year, entry.Month);
    if (key == startKey) first = entry.First;
    if (key == endKey) {
      last = entry.Last;
      break;
    }
  }
  return {first, last};
}

}  // namespace tf

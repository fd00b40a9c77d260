#include "workspace/ActivityTotals.h"

#include <array>

#include "model/MoneySum.h"
#include "model/Transactions.h"

namespace tf {
namespace {

constexpr TColor kBlue = 0x0000FF;
constexpr TColor kRed = 0xFF0000;

TCurrency* TotalOf(TActivityTotals& totals, int type) {
  switch (type) {
    case ttIncome:
      return &totals.Income;
    case ttExpense:
      return &totals.Expense;
    case ttTransfer:
      return &totals.Transfer;
    case ttDeposit:
      return &totals.Deposit;
    default:
      return nullptr;
  }
}

}  // namespace

TCurrency TActivityTotals::OfType(int type) const {
  TActivityTotals copy = *this;
  const TCurrency* total = TotalOf(copy, type);
  return total != nullptr ? *total : TCurrency{};
}

TActivityTotals ActivityTotals(const std::vector<const TTransactions*>& rows) {
  TActivityTotals totals;
  for (const TTransactions* row : rows) {
    if (row == nullptr) continue;
    TCurrency* total = TotalOf(totals, row->GetTransactionType());
    if (total == nullptr) continue;
    *total = AddSaturating(*total, row->FieldAt(TTransactions::fAmount)->AsCurrency());
  }
  return totals;
}

std::vector<TActivityItem> ActivityItems(const TActivityTotals& totals) {
  static constexpr std::array<std::pair<int, TColor>, 4> kOrder = {
      {{ttIncome, kBlue}, {ttDeposit, kBlue}, {ttExpense, kRed}, {ttTransfer, kRed}}};
  std::vector<TActivityItem> items;
  for (const auto& [type, colour] : kOrder) {
    const TCurrency total = totals.OfType(type);
    if (total != TCurrency{}) items.push_back({type, total, colour});
  }
  return items;
}

}  // namespace tf

#include "workspace/ImportOutcome.h"

#include <utility>
#include <vector>

#include "base/Formats.h"
#include "model/Account.h"
#include "model/Transactions.h"
#include "workspace/TransactionListing.h"

namespace tf {
namespace {

template <class TVisit>
void ForEachLiveRow(const TAccount& root, TVisit visit) {
  for (TAccount* account : LiveAccounts(root)) {
    const TTransactions* table = account->TransactionsTable();
    for (int i = 0; i < table->RowCount(); ++i) {
      const TTransactions* row = table->TransactionAt(i);
      if (row != nullptr && !row->Deleted) visit(*account, *row);
    }
  }
}

}  // namespace

TRowsSnapshot SnapshotRows(const TAccount& root) {
  TRowsSnapshot rows;
  ForEachLiveRow(root, [&rows](TAccount&, const TTransactions& row) { rows.insert(&row); });
  return rows;
}

TImportOutcome NewRowsSince(const TAccount& root, const TRowsSnapshot& before) {
  TImportOutcome outcome;
  std::vector<std::pair<TAccount*, int>> perAccount;
  ForEachLiveRow(root, [&](TAccount& account, const TTransactions& row) {
    if (before.count(&row) != 0) return;
    ++outcome.Count;
    if (perAccount.empty() || perAccount.back().first != &account)
      perAccount.emplace_back(&account, 0);
    ++perAccount.back().second;
    const TDateTime day = DateOf(row.DateValue());
    if (day <= 0) return;
    if (outcome.First == 0 || day < outcome.First) outcome.First = day;
    if (outcome.Last == 0 || day > outcome.Last) outcome.Last = day;
  });
  int most = 0;
  for (const auto& [account, count] : perAccount)
    if (count > most) {
      most = count;
      outcome.Account = account;
    }
  return outcome;
}

bool OutsideRange(const TImportOutcome& outcome, const TDateRange& shown, bool ignoreDates) {
  if (ignoreDates || outcome.Count == 0) return false;
  if (outcome.First == 0) return true;
  return !DateInRange(outcome.First, shown.From, shown.To) ||
         !DateInRange(outcome.Last, shown.From, shown.To);
}

TDateRange RangeOfMonths(const TImportOutcome& outcome) {
  if (outcome.First == 0) return {};
  return {MonthRange(outcome.First).From, MonthRange(outcome.Last).To};
}

std::string ImportOutcomeMessage(const TImportOutcome& outcome) {
  if (outcome.Count == 0) return "No new transactions: the statement's rows were imported before.";
  std::string text = std::to_string(outcome.Count) +
                     (outcome.Count == 1 ? " transaction" : " transactions") + " imported";
  if (outcome.Account != nullptr)
    text += " into " + outcome.Account->FieldAt(TAccount::fAccountName)->AsString();
  if (outcome.First != 0) {
    text += ", " + FormatDisplayDate(outcome.First);
    if (outcome.Last != outcome.First) text += " to " + FormatDisplayDate(outcome.Last);
  }
  return text + ".";
}

}  // namespace tf

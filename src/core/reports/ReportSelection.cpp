#include "reports/ReportSelection.h"

#include "model/Account.h"
#include "model/Transactions.h"

namespace tf {

std::vector<const TAccount*> CountedAccounts(const TAccount& root) {
  const std::vector<TAccount*> live = LiveAccounts(root);
  return {live.begin(), live.end()};
}

std::vector<const TTransactions*> CollectTransactionsOfTypes(
    const std::vector<const TAccount*>& accounts, TDateTime from, TDateTime to,
    const std::function<bool(int type)>& wanted) {
  std::vector<const TTransactions*> rows;
  const TDateTime first = DateOf(from), last = DateOf(to);
  for (const TAccount* account : accounts) {
    if (account == nullptr || account->Deleted) continue;
    const TTransactions* table = account->TransactionsTable();
    if (table == nullptr) continue;
    for (int i = 0; i < table->RowCount(); ++i) {
      const TTransactions* t = table->TransactionAt(i);
      if (t == nullptr || t->Deleted || !wanted(t->GetTransactionType())) continue;
      const TDateTime day = DateOf(t->DateValue());
      if (first <= day && day <= last) rows.push_back(t);
    }
  }
  return rows;
}

}  // namespace tf

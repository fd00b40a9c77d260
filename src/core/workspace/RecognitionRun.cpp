#include "workspace/RecognitionRun.h"

#include <string>
#include <vector>

#include "model/Account.h"
#include "model/Transactions.h"
#include "workspace/TransactionListing.h"

namespace tf {
namespace {

// The rows the count looks at, each with its category before the run.
struct TWatched {
  const TTransactions* Row;
  std::string Category;
};

std::vector<TWatched> LiveRows(const TAccount& root) {
  std::vector<TWatched> rows;
  for (const TAccount* account : LiveAccounts(root)) {
    const TTransactions* table = account->TransactionsTable();
    if (table == nullptr) continue;
    for (int i = 0; i < table->RowCount(); ++i) {
      const TTransactions* row = table->TransactionAt(i);
      if (row != nullptr && !row->Deleted)
        rows.push_back({row, row->FieldAt(TTransactions::fCategory)->AsString()});
    }
  }
  return rows;
}

}  // namespace

int ApplyRecognitionCounted(TAccount& root) {
  const std::vector<TWatched> before = LiveRows(root);
  root.ApplyRecognition();
  int changed = 0;
  for (const TWatched& watched : before)
    changed += watched.Row->FieldAt(TTransactions::fCategory)->AsString() != watched.Category;
  return changed;
}

}  // namespace tf

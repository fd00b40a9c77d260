#include "workspace/TransactionQuery.h"

#include <algorithm>

#include "model/Account.h"
#include "model/Transactions.h"
#include "workspace/TransactionListing.h"

namespace tf {

std::vector<TTransactions*> QueryTransactions(const TAccount& account,
                                              const TTransactionQuery& query) {
  const std::string filter = TransactionFilterText(query.FilterBoxText);
  const bool ranged = query.From || query.To;
  const TTransactionListing listing(filter, query.From.value_or(EncodeDate(1, 1, 1)),
                                    query.To.value_or(EncodeDate(9999, 12, 31)), !ranged);
  std::vector<TTransactions*> rows = listing.List(account.TransactionsTable());
  // The open end reaches back past day 0, which is what a date that does
  // not parse reads as; such a row is in no range.
  if (ranged) std::erase_if(rows, [](const TTransactions* row) { return row->DateValue() == 0; });
  return rows;
}

}  // namespace tf

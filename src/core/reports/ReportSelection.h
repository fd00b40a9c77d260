// The accounts a chart report counts and the transactions of those accounts
// that a report over a period looks at.
#pragma once

#include <functional>
#include <vector>

#include "store/DateTime.h"

namespace tf {

class TAccount;
class TTransactions;

// The live accounts of the root table, in table order: every account
// counts when the user has not chosen.
std::vector<const TAccount*> CountedAccounts(const TAccount& root);

// The live transactions of the live `accounts`, in table order, whose type
// is one that `wanted` admits and whose calendar date lies from `from` to
// `to`, both included.
std::vector<const TTransactions*> CollectTransactionsOfTypes(
    const std::vector<const TAccount*>& accounts, TDateTime from, TDateTime to,
    const std::function<bool(int type)>& wanted);

}  // namespace tf

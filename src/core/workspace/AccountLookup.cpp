#include "workspace/AccountLookup.h"

#include "model/Account.h"
#include "workspace/TransactionListing.h"

namespace tf {

TAccount& FindAccountByNameOrId(const TAccount& root, const std::string& wanted) {
  TAccount* byName = nullptr;
  int named = 0;
  for (TAccount* account : LiveAccounts(root)) {
    // An ID is unique, so it wins over any name, even one further up.
    if (account->FieldAt(TAccount::fAccountID)->AsString() == wanted) return *account;
    if (account->FieldAt(TAccount::fAccountName)->AsString() == wanted) {
      byName = account;
      ++named;
    }
  }
  if (named > 1)
    throw EAccountNotFound(std::to_string(named) + " accounts are called \"" + wanted +
                           "\"; name the account by its ID.");
  if (byName == nullptr) throw EAccountNotFound("The data file has no account \"" + wanted + "\".");
  return *byName;
}

}  // namespace tf

// The developer aid behind the activity strip: twenty made-up transactions
// in one month, so that a page or a report can be looked at with data.
#pragma once

#include <random>

#include "store/DateTime.h"

namespace tf {

class TAccount;
class TCategoryList;

// Appends twenty rows to the account's transactions, dated on consecutive
// days from the first of the month of `monthStart`: a random category among
// all entries but the last (the only one when the list holds one), the
// description "Got some " and its sub part, an income of 4000 to 9999 for a
// category naming income, else an expense of -850 to -151. Adds nothing when
// the list is empty. Sorting and balances are left to the caller.
void AddTestTransactions(TAccount& account, TDateTime monthStart, const TCategoryList& categories,
                         std::mt19937& random);

}  // namespace tf

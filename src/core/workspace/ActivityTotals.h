// What the activity strip of the transactions page shows: one total per
// transaction type over the listed rows, and the order and colour in which
// the non-zero totals are drawn.
#pragma once

#include <vector>

#include "base/GridColors.h"
#include "store/Currency.h"

namespace tf {

class TTransactions;

struct TActivityTotals {
  TCurrency Income;
  TCurrency Expense;
  TCurrency Transfer;
  TCurrency Deposit;

  // The total of a type code (Income 0, Expense 1, Transfer 2, Deposit 3);
  // 0 for any other code.
  TCurrency OfType(int type) const;
};

// Sums the amounts of the rows by type, exactly in ten-thousandths, so that
// amounts that cancel out give a total of exactly 0. Null entries (grid rows
// without a transaction) and rows of an unknown type are passed over.
TActivityTotals ActivityTotals(const std::vector<const TTransactions*>& rows);

struct TActivityItem {
  int Type;  // transaction type code
  TCurrency Total;
  TColor Colour;  // money coming in blue, money going out red
};

// The totals to draw, left to right: income, deposit, expense, transfer,
// each only when it is not 0.
std::vector<TActivityItem> ActivityItems(const TActivityTotals& totals);

}  // namespace tf

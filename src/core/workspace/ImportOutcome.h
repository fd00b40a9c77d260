// What a statement import did, for the page to tell the user: the rows that
// are new since a snapshot taken before it, which account they went into,
// the days they span, and whether the date range shown leaves them out.
#pragma once

#include <string>
#include <unordered_set>

#include "store/DateTime.h"
#include "workspace/DateRangeStep.h"

namespace tf {

class TAccount;
class TTransactions;

// The transaction rows that exist before an import.
using TRowsSnapshot = std::unordered_set<const TTransactions*>;

TRowsSnapshot SnapshotRows(const TAccount& root);

struct TImportOutcome {
  int Count = 0;
  // The account that received most of the new rows (the first in table order
  // on a tie); none when there are none.
  TAccount* Account = nullptr;
  // The first and last day among the new rows with a readable date; 0 when none has one.
  TDateTime First = 0;
  TDateTime Last = 0;
};

// The live rows of live accounts that are not in the snapshot.
TImportOutcome NewRowsSince(const TAccount& root, const TRowsSnapshot& before);

// Some of the new rows fall outside the range (or have no readable date),
// so the list does not show them; never while dates are ignored.
bool OutsideRange(const TImportOutcome& outcome, const TDateRange& shown, bool ignoreDates);

// The range that shows every new row: whole months from the first's to the last's.
TDateRange RangeOfMonths(const TImportOutcome& outcome);

// "36 transactions imported into Cheque, 02 Nov 2026 to 30 Nov 2026."
// and for nothing new "No new transactions: the statement's rows were
// imported before."
std::string ImportOutcomeMessage(const TImportOutcome& outcome);

}  // namespace tf

// What the transaction editor reads from and writes to a transaction row:
// the validation of date and description, the normalised date, and the
// store in its fixed order with the cached date cleared afterwards.
#pragma once

#include <string>

namespace tf {

class TNumberFormat;

class TTransactions;

// A valid date as people type it: "7 Dec 2026", "07 dec 2026", "01-Jan-2010".
bool IsEntryDateValid(const std::string& text);
// A valid date and a description of more than blanks.
bool IsTransactionEntryValid(const std::string& date, const std::string& description);

// Empty when both are blank; otherwise main, " - " and sub, untrimmed.
std::string CategoryFromParts(const std::string& main, const std::string& sub);

// The editor's values as the user left them.
struct TTransactionEntry {
  int Type = 1;
  std::string Date;
  std::string Description;
  std::string Category;
  std::string Amount;
  bool Locked = false;
};

TTransactionEntry LoadTransactionEntry(const TTransactions& row, TNumberFormat& format);
// Type, date (normalised to "DD MMM YYYY"), description as typed, category,
// amount (0 when it does not parse; kept when its text is still the one
// shown), lock; then the cached date is cleared.
void StoreTransactionEntry(TTransactions& row, const TTransactionEntry& entry,
                           TNumberFormat& format);

}  // namespace tf

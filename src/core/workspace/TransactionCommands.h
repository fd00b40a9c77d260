// The rules behind the transaction page's commands that need no window: the
// delete questions, the clipboard text, the copy slot, copies to another
// date or account, duplicate removal, category and lock changes on a block
// of rows, the "Assign to..." groups and which popup items are offered.
#pragma once

#include <string>
#include <vector>

#include "store/DateTime.h"

namespace tf {

class TAccount;
class TCategoryList;
class TNumberFormat;
class TTransactions;

inline constexpr const char* kDeleteTransactionsQuestion =
    "Delete transaction(s)?\r\n\t\r\n\ttip: If you hold in ctrl or alt or shift and press the "
    "\r\n\tdelete button this message will not display and the item\r\n\twill be automatically "
    "deleted";
// "Delete account(", the name, ")?" and the tip of the transactions question.
std::string DeleteAccountQuestion(const std::string& accountName);

inline constexpr const char* kNoDuplicatesMessage =
    "No duplicates found for the current listed transactions";
// The count in digits followed by " Duplicate(s) has been removed ".
std::string DuplicatesRemovedMessage(int count);

// Date, description, category, amount and balance separated by tabs, the
// amounts as the grid shows them; no line break at the end.
std::string TransactionClipboardText(const TTransactions& row, TNumberFormat& format);

// Fills the copy slot from `source` (its ID included), marks it filled and
// clears its balance. As a deposit a negative amount changes sign and the
// type becomes Deposit.
void CopyToSlot(const TTransactions& source, TTransactions& slot, bool asDeposit);

// What every change to an account's rows is followed by: the table sorted by
// date (when dates may have changed), the account's running balances and the
// category list. The month index notices the change by itself.
void SettleTransactions(TAccount& account, bool datesMayHaveChanged = true);
// The same for every live account under the root, after an import that may
// have put rows anywhere.
void SettleAllTransactions(TAccount& root);

// A new row at the end of `table` dated `date`, with a new ID.
TTransactions* NewDatedTransaction(TTransactions& table, TDateTime date);
// A new row at the end of `table` with the values of `source` and a new ID.
TTransactions* NewCopyOf(TTransactions& table, const TTransactions& source);

// One copy per source in `table`, each with a new ID and dated `date`, in
// the order of the sources.
std::vector<TTransactions*> DuplicateToDate(TTransactions& table,
                                            const std::vector<TTransactions*>& sources,
                                            TDateTime date);

// Whether rows dragged while `selected` is the current transaction may be
// dropped on `target`: never on the transaction's own account.
bool AcceptsDragCopy(const TTransactions* selected, const TAccount* target);
// Copies every source not already in the target into the target's table. A
// transfer out of one account arrives as the matching deposit: the type
// becomes Deposit and the amount changes sign.
std::vector<TTransactions*> CopyToAccount(const std::vector<TTransactions*>& sources,
                                          TAccount& target);

enum class TDuplicateRule { DateAndAmount, DateDescriptionAndAmount };
// Marks Deleted every listed row that has a duplicate further down the list:
// the same day and amount and, by the second rule, the same description
// apart from letter case and surrounding blanks. The lowest listed row of
// each group stays. Returns how many rows were marked.
int RemoveDuplicates(const std::vector<TTransactions*>& listed, TDuplicateRule rule);

// The category a click in "Assign to..." gives: main and sub joined, none
// for the "n/a" item.
inline constexpr const char* kNoCategoryCaption = "n/a";
std::string AssignedCategory(const std::string& main, const std::string& itemCaption);
void AssignCategory(const std::vector<TTransactions*>& rows, const std::string& category);
// Inverts the lock of each row on its own.
void ToggleRecognitionLock(const std::vector<TTransactions*>& rows);
void MarkDeleted(const std::vector<TTransactions*>& rows);

// One main category of the "Assign to..." menu with its sub-categories.
struct TCategoryMenuGroup {
  std::string Main;
  std::vector<std::string> Subs;
};
// The main categories of the list in list order, each with its sub parts.
std::vector<TCategoryMenuGroup> CategoryMenuGroups(const TCategoryList& categories);

// Which copy and paste items the transactions popup offers.
struct TTransactionMenuState {
  bool Copy = false;
  bool CopyAsDeposit = false;
  bool Paste = false;
  friend bool operator==(const TTransactionMenuState&, const TTransactionMenuState&) = default;
};
TTransactionMenuState TransactionMenuState(const TTransactions* selected, bool singleSelection,
                                           bool accountSelected, const TTransactions& slot);

// The row to make current after a delete: the same place, or the last row
// of a grid of `rowCount` rows (never fewer than one).
int RowAfterDelete(int rememberedRow, int rowCount);

}  // namespace tf

#include "workspace/TransactionEntry.h"

#include "base/Formats.h"
#include "base/NumberFormat.h"
#include "model/ModelText.h"
#include "model/Transactions.h"

namespace tf {

bool IsEntryDateValid(const std::string& text) {
  return ParseTypedDate(text) != 0;
}

bool IsTransactionEntryValid(const std::string& date, const std::string& description) {
  return IsEntryDateValid(date) && !Trimmed(description).empty();
}

std::string CategoryFromParts(const std::string& main, const std::string& sub) {
  if (Trimmed(main).empty() && Trimmed(sub).empty()) return {};
  return main + " - " + sub;
}

TTransactionEntry LoadTransactionEntry(const TTransactions& row, TNumberFormat& format) {
  TTransactionEntry entry;
  entry.Type = row.GetTransactionType();
  entry.Date = row.FieldAt(TTransactions::fDate)->AsString();
  entry.Description = row.FieldAt(TTransactions::fDescription)->AsString();
  entry.Category = row.FieldAt(TTransactions::fCategory)->AsString();
  entry.Amount = format.FormatAmount(row.FieldAt(TTransactions::fAmount)->AsCurrency());
  entry.Locked = row.FieldAt(TTransactions::fLockedForAutoMatching)->AsBool();
  return entry;
}

void StoreTransactionEntry(TTransactions& row, const TTransactionEntry& entry,
                           TNumberFormat& format) {
  row.SetTransactionType(entry.Type);
  row.FieldAt(TTransactions::fDate)
      ->SetValue(TVariant::String(FormatDisplayDate(ParseTypedDate(entry.Date))));
  row.FieldAt(TTransactions::fDescription)->SetValue(TVariant::String(entry.Description));
  row.FieldAt(TTransactions::fCategory)->SetValue(TVariant::String(entry.Category));
  // The box shows two decimals; an amount the user left as shown keeps the
  // decimals beyond them instead of being rounded by merely pressing Ok.
  TBoneField* amount = row.FieldAt(TTransactions::fAmount);
  if (entry.Amount != format.FormatAmount(amount->AsCurrency()))
    amount->SetValue(TVariant::Currency(ParseAmountCurrency(entry.Amount, TCurrency{})));
  row.FieldAt(TTransactions::fLockedForAutoMatching)->SetValue(TVariant::Bool(entry.Locked));
  row.ClearDateCache();
}

}  // namespace tf

#include "workspace/TransactionViewState.h"

#include "base/Formats.h"
#include "model/Account.h"

namespace tf {
namespace {

void RestoreDate(const TAccount& root, int field, TDateTime& date) {
  const TDateTime stored = ParseStatementDate(root.ListFieldAt(field)->AsString());
  if (stored > 0) date = stored;
}

}  // namespace

void StoreViewState(TAccount& root, const TTransactionViewState& state) {
  root.ListFieldAt(TAccount::lfIgnoreDates)->SetValue(TVariant::Bool(state.IgnoreDates));
  root.ListFieldAt(TAccount::lfStartDate)
      ->SetValue(TVariant::String(FormatDisplayDate(state.Range.From)));
  root.ListFieldAt(TAccount::lfEndDate)
      ->SetValue(TVariant::String(FormatDisplayDate(state.Range.To)));
}

void RestoreViewState(const TAccount& root, TTransactionViewState& state) {
  RestoreDate(root, TAccount::lfStartDate, state.Range.From);
  RestoreDate(root, TAccount::lfEndDate, state.Range.To);
  state.IgnoreDates = root.ListFieldAt(TAccount::lfIgnoreDates)->AsBool();
}

}  // namespace tf

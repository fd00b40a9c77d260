#include "workspace/TransactionCommands.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "base/CategoryList.h"
#include "base/Formats.h"
#include "base/ListText.h"
#include "base/NumberFormat.h"
#include "model/Account.h"
#include "model/ModelText.h"
#include "model/Transactions.h"

namespace tf {
namespace {

constexpr const char* kDeleteQuestionHead = "Delete transaction(s)?";

std::string TextOf(const TTransactions& row, int field) {
  return row.FieldAt(field)->AsString();
}

TCurrency AmountOf(const TTransactions& row) {
  return row.FieldAt(TTransactions::fAmount)->AsCurrency();
}

void SetAmount(TTransactions& row, TCurrency amount) {
  row.FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(amount));
}

void SetDate(TTransactions& row, TDateTime date) {
  row.FieldAt(TTransactions::fDate)->SetValue(TVariant::String(FormatDisplayDate(date)));
  row.ClearDateCache();
}

// What makes two listed rows duplicates of each other under a rule.
std::string DuplicateKey(const TTransactions& row, TDuplicateRule rule) {
  std::string key = std::to_string(row.DateValue()) + '|' + std::to_string(AmountOf(row).Raw);
  if (rule == TDuplicateRule::DateDescriptionAndAmount)
    key += '|' + UpperTrimmed(TextOf(row, TTransactions::fDescription));
  return key;
}

}  // namespace

std::string DeleteAccountQuestion(const std::string& accountName) {
  return "Delete account(" + accountName + ")?" +
         std::string(kDeleteTransactionsQuestion + std::strlen(kDeleteQuestionHead));
}

std::string DuplicatesRemovedMessage(int count) {
  return std::to_string(count) + " Duplicate(s) has been removed ";
}

std::string TransactionClipboardText(const TTransactions& row, TNumberFormat& format) {
  return TextOf(row, TTransactions::fDate) + '\t' + TextOf(row, TTransactions::fDescription) +
         '\t' + TextOf(row, TTransactions::fCategory) + '\t' + format.FormatAmount(AmountOf(row)) +
         '\t' + format.FormatAmount(row.FieldAt(TTransactions::fBalance)->AsCurrency());
}

void CopyToSlot(const TTransactions& source, TTransactions& slot, bool asDeposit) {
  slot.AssignFields(&source, true);
  slot.ClearDateCache();
  slot.Deleted = false;
  slot.FieldAt(TTransactions::fBalance)->SetValue(TVariant::Currency(TCurrency{}));
  if (!asDeposit) return;
  if (AmountOf(slot).Raw < 0) SetAmount(slot, -AmountOf(slot));
  slot.SetTransactionType(ttDeposit);
}

void SettleTransactions(TAccount& account, bool datesMayHaveChanged) {
  TTransactions* table = account.TransactionsTable();
  // Sorting comes first: running balances follow the row order.
  if (table != nullptr && datesMayHaveChanged) table->SortTransactions();
  account.RecalculateBalances();
  if (const TAccount* root = TAccount::RootOf(&account))
    const_cast<TAccount*>(root)->RebuildCategoryList();
}

void SettleAllTransactions(TAccount& root) {
  for (TAccount* account : LiveAccounts(root))
    if (TTransactions* table = account->TransactionsTable()) table->SortTransactions();
  root.RecalculateBalances();
  root.RebuildCategoryList();
}

TTransactions* NewDatedTransaction(TTransactions& table, TDateTime date) {
  TTransactions* row = table.NewTransaction();
  row->AssignNewId();
  SetDate(*row, date);
  return row;
}

TTransactions* NewCopyOf(TTransactions& table, const TTransactions& source) {
  TTransactions* row = table.NewTransaction();
  row->AssignFields(&source, true);
  row->ClearDateCache();
  row->AssignNewId();
  return row;
}

std::vector<TTransactions*> DuplicateToDate(TTransactions& table,
                                            const std::vector<TTransactions*>& sources,
                                            TDateTime date) {
  std::vector<TTransactions*> copies;
  copies.reserve(sources.size());
  for (const TTransactions* source : sources) {
    if (source == nullptr) continue;
    TTransactions* copy = NewCopyOf(table, *source);
    SetDate(*copy, date);
    copies.push_back(copy);
  }
  return copies;
}

bool AcceptsDragCopy(const TTransactions* selected, const TAccount* target) {
  if (selected == nullptr || target == nullptr) return false;
  return target->FieldAt(TAccount::fAccountID)->AsString() != selected->OwnerAccountId();
}

std::vector<TTransactions*> CopyToAccount(const std::vector<TTransactions*>& sources,
                                          TAccount& target) {
  std::vector<TTransactions*> copies;
  TTransactions* table = target.TransactionsTable();
  if (table == nullptr) return copies;
  const std::string targetId = target.FieldAt(TAccount::fAccountID)->AsString();
  for (const TTransactions* source : sources) {
    if (source == nullptr || source->OwnerAccountId() == targetId) continue;
    TTransactions* copy = NewCopyOf(*table, *source);
    if (source->GetTransactionType() == ttTransfer) {
      copy->SetTransactionType(ttDeposit);
      SetAmount(*copy, -AmountOf(*copy));
    }
    copies.push_back(copy);
  }
  return copies;
}

int RemoveDuplicates(const std::vector<TTransactions*>& listed, TDuplicateRule rule) {
  // Walking up from the bottom, the first row of each group met is the one
  // that stays; every later one is its duplicate.
  std::unordered_set<std::string> kept;
  int removed = 0;
  for (auto at = listed.rbegin(); at != listed.rend(); ++at) {
    TTransactions* row = *at;
    if (row == nullptr || row->Deleted) continue;
    if (kept.insert(DuplicateKey(*row, rule)).second) continue;
    row->Deleted = true;
    ++removed;
  }
  return removed;
}

std::string AssignedCategory(const std::string& main, const std::string& itemCaption) {
  if (itemCaption == kNoCategoryCaption) return {};
  return JoinCategory(main, itemCaption);
}

void AssignCategory(const std::vector<TTransactions*>& rows, const std::string& category) {
  for (TTransactions* row : rows)
    if (row != nullptr)
      row->FieldAt(TTransactions::fCategory)->SetValue(TVariant::String(category));
}

void ToggleRecognitionLock(const std::vector<TTransactions*>& rows) {
  for (TTransactions* row : rows) {
    if (row == nullptr) continue;
    TBoneField* lock = row->FieldAt(TTransactions::fLockedForAutoMatching);
    lock->SetValue(TVariant::Bool(!lock->AsBool()));
  }
}

void MarkDeleted(const std::vector<TTransactions*>& rows) {
  for (TTransactions* row : rows)
    if (row != nullptr) row->Deleted = true;
}

std::vector<TCategoryMenuGroup> CategoryMenuGroups(const TCategoryList& categories) {
  std::vector<TCategoryMenuGroup> groups;
  for (std::string& main : ParseLinesText(categories.MainCategoriesText())) {
    std::vector<std::string> subs = ParseLinesText(categories.SubCategoriesText(main));
    groups.push_back({std::move(main), std::move(subs)});
  }
  return groups;
}

TTransactionMenuState TransactionMenuState(const TTransactions* selected, bool singleSelection,
                                           bool accountSelected, const TTransactions& slot) {
  TTransactionMenuState state;
  if (selected != nullptr && singleSelection) {
    state.Copy = true;
    state.CopyAsDeposit = selected->GetTransactionType() == ttTransfer;
  }
  state.Paste = accountSelected && !slot.Deleted;
  return state;
}

int RowAfterDelete(int rememberedRow, int rowCount) {
  const int last = std::max(1, rowCount) - 1;
  return std::clamp(rememberedRow, 0, last);
}

}  // namespace tf

#include "model/Account.h"

#include <deque>
#include <typeinfo>

#include "base/CategoryList.h"
#include "base/Guid.h"
#include "model/Budget.h"
#include "model/ImportSettings.h"
#include "model/ModelText.h"
#include "model/MoneySum.h"
#include "model/OfxStatement.h"
#include "model/Transactions.h"
#include "store/DataFile.h"

namespace tf {
namespace {

const std::vector<const TFieldDefNode*>& Columns() {
  static const auto schema = BuildSchema({
      {"AccountID", TBoneFieldKind::String, TVariant::String(""), true, true},
      {"AccountName", TBoneFieldKind::String, TVariant::String("")},
      {"AccountType", TBoneFieldKind::String, TVariant::String("")},
      {"StartingBalance", TBoneFieldKind::Money, TVariant::ShortInt(0)},
      {"Overdraft", TBoneFieldKind::Money, TVariant::ShortInt(0)},
      {"Notes", TBoneFieldKind::String, TVariant::String("")},
      {"Balance", TBoneFieldKind::Money, TVariant::ShortInt(0)},
  });
  return schema;
}

const std::vector<const TFieldDefNode*>& ListColumns() {
  static const auto schema = BuildSchema({
      {"Password", TBoneFieldKind::String, TVariant::String("")},
      {"Categories", TBoneFieldKind::String, TVariant::String("")},
      {"StartDate", TBoneFieldKind::String, TVariant::String("")},
      {"EndDate", TBoneFieldKind::String, TVariant::String("")},
      {"IgnoreDates", TBoneFieldKind::Bool, TVariant::Bool(false)},
      {"AccountColour", TBoneFieldKind::Integer, TVariant::ShortInt(0)},
      {"CustomCategories", TBoneFieldKind::String, TVariant::String("")},
  });
  return schema;
}

template <class T>
int FirstChildOfClass(const TBone& bone) {
  for (int i = 0; i < bone.ChildCount(); ++i)
    if (BoneAs<T>(bone.ChildAt(i)) != nullptr) return i;
  return -1;
}

template <class T>
void PutChildAt(TBone& bone, int index) {
  const int at = FirstChildOfClass<T>(bone);
  if (at >= 0 && at != index && index < bone.ChildCount()) bone.MoveChild(at, index);
}

const char* const kAccountTypes[5] = {"Current Account", "Credit Card", "Saving Account",
                                      "Home Loan", "Vehicle Loan"};

bool IsRow(const TBone& bone) {
  return bone.Kind() == TBoneKind::Single;
}

// Adds the category of a row in use; blank ones mean uncategorised.
void AddCategoryInUse(TCategoryList& list, const TBoneField* field) {
  std::string scratch;
  const std::string& text = FieldText(field, scratch);
  if (!Trimmed(text).empty()) list.Add(text);
}

template <class Table>
void AddLiveCategories(TCategoryList& list, const Table* table, int field) {
  if (table == nullptr) return;
  for (int i = 0; i < table->RowCount(); ++i) {
    const TBone* row = table->RowAt(i);
    if (row != nullptr && !row->Deleted) AddCategoryInUse(list, row->FieldAt(field));
  }
}

}  // namespace

TAccount::TEditor& TAccount::Editor() {
  static TEditor editor;
  return editor;
}

TAccount::TAccount(TBone* owner, TBoneKind kind) : TBone(owner, kind) {
  SetClassTag(kClassTag);
  static const TAtom name("Account");
  SetName(name);
  static const TAtom display("AccountName ( AccountType )");
  SetDisplayTemplate(display);
  AddDefinedFields(Fields(), Columns());
  AddDefinedFields(ListFields(), ListColumns());
  for (int i = 0; i < 3; ++i) NewChild(TBoneKind::List);
}

TBone* TAccount::NewRow(TBoneKind kind) {
  return AddRow(std::make_unique<TAccount>(this, kind));
}

TBone* TAccount::NewChild(TBoneKind kind) {
  // The three tables are known by their position.
  switch (ChildCount()) {
    case 0:
      return AddChild(std::make_unique<TTransactions>(this, TBoneKind::List));
    case 1:
      return AddChild(std::make_unique<TBudget>(this, TBoneKind::List));
    case 2:
      return AddChild(std::make_unique<TImportSettings>(this, TBoneKind::List));
    default:
      return TBone::NewChild(kind);
  }
}

void TAccount::AfterRead() {
  for (int i = 0; i < 3 && ChildCount() < 3; ++i) NewChild(TBoneKind::List);
  PutChildAt<TTransactions>(*this, 0);
  PutChildAt<TBudget>(*this, 1);
  PutChildAt<TImportSettings>(*this, 2);
}

bool TAccount::Edit(void* ownerWindow) {
  if (!Editor() || !Editor()(*this, ownerWindow)) return false;
  SetModified(true);
  return true;
}

TAccount* TAccount::NewAccount(TBoneKind kind) {
  return static_cast<TAccount*>(NewRow(kind));
}

TAccount* TAccount::AccountAt(int index) const {
  return BoneAs<TAccount>(RowAt(index));
}

TTransactions* TAccount::TransactionsTable(int index) const {
  return BoneAs<TTransactions>(ChildAt(index));
}

TBudget* TAccount::BudgetTable(int index) const {
  return BoneAs<TBudget>(ChildAt(index));
}

TImportSettings* TAccount::PatternTable(int index) const {
  return BoneAs<TImportSettings>(ChildAt(index));
}

const TAccount* TAccount::RootOf(const TBone* bone) {
  const TAccount* root = nullptr;
  for (; bone != nullptr; bone = bone->OwnerBone())
    if (const auto* account = BoneAs<TAccount>(bone)) root = account;
  return root;
}

void TAccount::AssignNewId() {
  FieldAt(fAccountID)->SetValue(TVariant::String(NewGuid()));
}

void TAccount::RecalculateBalances() {
  if (!IsRow(*this)) {
    for (int i = 0; i < RowCount(); ++i)
      if (TAccount* account = AccountAt(i)) account->RecalculateBalances();
    return;
  }
  TCurrency balance = FieldAt(fStartingBalance)->AsCurrency();
  if (const TTransactions* table = TransactionsTable()) {
    for (int i = 0; i < table->RowCount(); ++i) {
      TTransactions* row = table->TransactionAt(i);
      if (row == nullptr || row->Deleted) continue;
      balance = AddSaturating(balance, row->FieldAt(TTransactions::fAmount)->AsCurrency());
      row->FieldAt(TTransactions::fBalance)->SetValue(TVariant::Currency(balance));
    }
  }
  FieldAt(fBalance)->SetValue(TVariant::Currency(balance));
}

TMoneySum TAccount::TotalAmountExact() const {
  TMoneySum sum;
  if (!IsRow(*this)) {
    for (int i = 0; i < RowCount(); ++i)
      if (const TAccount* account = AccountAt(i)) sum.Add(account->TotalAmountExact());
    return sum;
  }
  if (const TTransactions* table = TransactionsTable()) {
    for (int i = 0; i < table->RowCount(); ++i) {
      const TTransactions* row = table->TransactionAt(i);
      if (row != nullptr && !row->Deleted)
        sum.Add(row->FieldAt(TTransactions::fAmount)->AsCurrency());
    }
  }
  return sum;
}

double TAccount::TotalAmount() const {
  return TotalAmountExact().ToDouble();
}

TMoneySum TAccount::SumCategoryExact(int year, int month, int day, const std::string& selector,
                                     bool mainCategory) const {
  TMoneySum sum;
  if (!IsRow(*this)) {
    for (int i = 0; i < RowCount(); ++i) {
      const TAccount* account = AccountAt(i);
      if (account != nullptr && !account->Deleted)
        sum.Add(account->SumCategoryExact(year, month, day, selector, mainCategory));
    }
    return sum;
  }
  if (const TTransactions* table = TransactionsTable()) {
    for (int type : {ttIncome, ttExpense})
      sum.Add(table->SumCategoryExact(year, month, day, type, selector, mainCategory));
  }
  return sum;
}

std::vector<TMoneySum> TAccount::SumCategoriesExact(int year, int month, int day,
                                                    const std::vector<std::string>& selectors,
                                                    bool mainCategory) const {
  std::vector<TMoneySum> sums(selectors.size());
  auto addAll = [&sums](const std::vector<TMoneySum>& more) {
    for (std::size_t i = 0; i < sums.size(); ++i) sums[i].Add(more[i]);
  };
  if (!IsRow(*this)) {
    for (int i = 0; i < RowCount(); ++i) {
      const TAccount* account = AccountAt(i);
      if (account != nullptr && !account->Deleted)
        addAll(account->SumCategoriesExact(year, month, day, selectors, mainCategory));
    }
    return sums;
  }
  if (const TTransactions* table = TransactionsTable()) {
    for (int type : {ttIncome, ttExpense})
      addAll(table->SumCategoriesExact(year, month, day, type, selectors, mainCategory));
  }
  return sums;
}

double TAccount::SumCategory(int year, int month, int day, const std::string& selector,
                             bool mainCategory) const {
  return SumCategoryExact(year, month, day, selector, mainCategory).ToDouble();
}

TAccount* TAccount::FindAccount(const std::string& accountId) const {
  if (IsRow(*this)) {
    std::string scratch;
    return FieldText(FieldAt(fAccountID), scratch) == accountId ? const_cast<TAccount*>(this)
                                                                : nullptr;
  }
  for (int i = 0; i < RowCount(); ++i) {
    const TAccount* account = AccountAt(i);
    if (TAccount* found = account ? account->FindAccount(accountId) : nullptr) return found;
  }
  return nullptr;
}

std::string TAccount::AccountNameOf(const std::string& accountId) const {
  const TAccount* account = FindAccount(accountId);
  return account ? account->FieldAt(fAccountName)->AsString() : std::string();
}

int TAccount::CompareAccounts(const TBone* a, const TBone* b) {
  const auto* x = BoneAs<TAccount>(a);
  const auto* y = BoneAs<TAccount>(b);
  if (x == nullptr || y == nullptr) return 0;
  std::string scratchX, scratchY;
  for (int field : {fAccountType, fAccountName}) {
    const int order = CompareIgnoringCase(FieldText(x->FieldAt(field), scratchX),
                                          FieldText(y->FieldAt(field), scratchY));
    if (order != 0) return order;
  }
  return 0;
}

void TAccount::SortAccounts() {
  SortRows(CompareAccounts);
}

int TAccount::AccountTypeIndex() const {
  std::string scratch;
  const std::string& type = FieldText(FieldAt(fAccountType), scratch);
  for (int index = 0; index < 5; ++index)
    if (type == kAccountTypes[index]) return index;
  return 5;
}

std::string TAccount::OfxAccountType() const {
  switch (AccountTypeIndex()) {
    case 0:
      return "CHECKING";
    case 2:
      return "SAVINGS";
    default:
      return "CREDITLINE";
  }
}

std::string TAccount::CompactId() const {
  std::string scratch;
  return WithoutIdPunctuation(FieldText(FieldAt(fAccountID), scratch));
}

void TAccount::ApplyRecognition() {
  if (!IsRow(*this)) {
    for (int i = 0; i < RowCount(); ++i)
      if (TAccount* account = AccountAt(i)) account->ApplyRecognition();
    return;
  }
  if (TTransactions* table = TransactionsTable()) table->ApplyRecognition(this);
}

void TAccount::AttachLists(TCategoryList* categories, TMonthIndex* monthIndex) {
  Categories_ = categories;
  MonthIndex_ = monthIndex;
}

TCategoryList* TAccount::Categories() const {
  return RootOf(this)->Categories_;
}

TMonthIndex* TAccount::MonthIndex() const {
  return RootOf(this)->MonthIndex_;
}

void TAccount::RebuildCategoryList() {
  if (Categories() == nullptr) return;
  TCategoryList& list = *Categories();
  list.Clear();
  const std::string custom = ListFieldAt(lfCustomCategories)->AsString();
  if (!custom.empty())
    list.SetLinesText(custom);
  else
    list.LoadDefaultCategories();
  for (int a = 0; a < RowCount(); ++a) {
    const TAccount* account = AccountAt(a);
    if (account != nullptr && !account->Deleted)
      AddLiveCategories(list, account->TransactionsTable(), TTransactions::fCategory);
  }
  AddLiveCategories(list, PatternTable(), TImportSettings::fCategoryName);
  AddLiveCategories(list, BudgetTable(), TBudget::fCategoryName);
}

std::string TAccount::AllDescriptions() const {
  std::vector<std::string_view> descriptions;
  std::deque<std::string> converted;  // rows whose description holds no text value
  for (int a = 0; a < RowCount(); ++a) {
    const TAccount* account = AccountAt(a);
    if (account == nullptr || account->Deleted) continue;
    const TTransactions* table = account->TransactionsTable();
    for (int i = 0; table != nullptr && i < table->RowCount(); ++i) {
      const TTransactions* row = table->TransactionAt(i);
      if (row == nullptr || row->Deleted) continue;
      const TBoneField* field = row->FieldAt(TTransactions::fDescription);
      const std::string* text = field->TextOrNull();
      if (text == nullptr) text = &converted.emplace_back(field->AsString());
      descriptions.push_back(*text);
    }
  }
  return SortedUniqueLines(descriptions);
}

std::vector<std::string> TAccount::ExportOfx(const std::string& folder) const {
  std::vector<std::string> written;
  if (!IsRow(*this)) {
    for (int i = 0; i < RowCount(); ++i) {
      const TAccount* account = AccountAt(i);
      if (account == nullptr || account->Deleted) continue;
      for (std::string& path : account->ExportOfx(folder)) written.push_back(std::move(path));
    }
    return written;
  }
  const TDateTime now = Now();
  const std::string path = OfxFileName(folder, *this, now);
  WriteFileAtomically(path, OfxStatementText(*this, now));
  written.push_back(path);
  return written;
}

std::vector<TAccount*> LiveAccounts(const TAccount& root) {
  std::vector<TAccount*> accounts;
  for (int i = 0; i < root.RowCount(); ++i) {
    TAccount* account = root.AccountAt(i);
    if (account != nullptr && !account->Deleted) accounts.push_back(account);
  }
  return accounts;
}

}  // namespace tf

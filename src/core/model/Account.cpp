#include "model/Account.h"

#include <typeinfo>

#include "model/Budget.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"

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
    if (typeid(*bone.ChildAt(i)) == typeid(T)) return i;
  return -1;
}

template <class T>
void PutChildAt(TBone& bone, int index) {
  const int at = FirstChildOfClass<T>(bone);
  if (at >= 0 && at != index && index < bone.ChildCount()) bone.MoveChild(at, index);
}

}  // namespace

TAccount::TEditor& TAccount::Editor() {
  static TEditor editor;
  return editor;
}

TAccount::TAccount(TBone* owner, TBoneKind kind) : TBone(owner, kind) {
  SetName("Account");
  SetDisplayTemplate("AccountName ( AccountType )");
  AddDefinedFields(Fields(), Columns());
  AddDefinedFields(ListFields(), ListColumns());
  for (int i = 0; i < 3; ++i) NewChild(TBoneKind::List);
}

TBone* TAccount::NewRow(TBoneKind kind) { return AddRow(std::make_unique<TAccount>(this, kind)); }

TBone* TAccount::NewChild(TBoneKind kind) {
  // The three tables are known by their position.
  switch (ChildCount()) {
    case 0: return AddChild(std::make_unique<TTransactions>(this, TBoneKind::List));
    case 1: return AddChild(std::make_unique<TBudget>(this, TBoneKind::List));
    case 2: return AddChild(std::make_unique<TImportSettings>(this, TBoneKind::List));
    default: return TBone::NewChild(kind);
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

TAccount* TAccount::NewAccount(TBoneKind kind) { return static_cast<TAccount*>(NewRow(kind)); }

TAccount* TAccount::AccountAt(int index) const { return dynamic_cast<TAccount*>(RowAt(index)); }

TTransactions* TAccount::TransactionsTable(int index) const {
  return dynamic_cast<TTransactions*>(ChildAt(index));
}

TBudget* TAccount::BudgetTable(int index) const { return dynamic_cast<TBudget*>(ChildAt(index)); }

TImportSettings* TAccount::PatternTable(int index) const {
  return dynamic_cast<TImportSettings*>(ChildAt(index));
}

}  // namespace tf

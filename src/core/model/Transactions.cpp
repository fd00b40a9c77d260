#include "model/Transactions.h"

#include "app/Formats.h"

namespace tf {
namespace {

const std::vector<const TFieldDefNode*>& Columns() {
  static const auto schema = BuildSchema({
      {"TransactionID", TBoneFieldKind::String, TVariant::String(""), true, true},
      {"Date", TBoneFieldKind::String, TVariant::String("")},
      {"Description", TBoneFieldKind::String, TVariant::String("")},
      {"Category", TBoneFieldKind::String, TVariant::String("")},
      {"Amount", TBoneFieldKind::Money, TVariant::ShortInt(0)},
      {"Balance", TBoneFieldKind::Money, TVariant::ShortInt(0)},
      {"RawLineData", TBoneFieldKind::String, TVariant::String("")},
      {"TransactionType", TBoneFieldKind::Integer, TVariant::ShortInt(1), false},
      {"SortOrder", TBoneFieldKind::Integer, TVariant::ShortInt(0), false},
      {"ParentTransactionID", TBoneFieldKind::String, TVariant::String("")},
      {"LockedForAutoMatching", TBoneFieldKind::Bool, TVariant::Bool(false)},
  });
  return schema;
}

}  // namespace

TTransactions::TEditor& TTransactions::Editor() {
  static TEditor editor;
  return editor;
}

TTransactions::TTransactions(TBone* owner, TBoneKind kind) : TBone(owner, kind) {
  SetName("Transactions");
  SetDisplayTemplate("Description ( Category )");
  AddDefinedFields(Fields(), Columns());
}

TBone* TTransactions::NewRow(TBoneKind kind) {
  return AddRow(std::make_unique<TTransactions>(this, kind));
}

bool TTransactions::Edit(void* ownerWindow) {
  if (!Editor() || !Editor()(*this, ownerWindow)) return false;
  SetModified(true);
  return true;
}

TTransactions* TTransactions::NewTransaction(TBoneKind kind) {
  return static_cast<TTransactions*>(NewRow(kind));
}

TTransactions* TTransactions::TransactionAt(int index) const {
  return dynamic_cast<TTransactions*>(RowAt(index));
}

double TTransactions::DateValue() const {
  if (DateCache_ == 0) {
    const TBoneField* date = FieldAt(fDate);
    const std::string* text = date ? date->TextOrNull() : nullptr;
    DateCache_ = ParseStatementDate(text ? *text : (date ? date->AsString() : std::string()));
  }
  return DateCache_;
}

}  // namespace tf

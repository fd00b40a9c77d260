#include "model/Budget.h"

namespace tf {
namespace {

const std::vector<const TFieldDefNode*>& Columns() {
  static const auto schema = BuildSchema({
      {"BudgetID", TBoneFieldKind::String, TVariant::String("")},
      {"CategoryName", TBoneFieldKind::String, TVariant::String("")},
      {"Year", TBoneFieldKind::Integer, TVariant::ShortInt(0)},
      {"Month", TBoneFieldKind::Integer, TVariant::ShortInt(0)},
      {"Min", TBoneFieldKind::Money, TVariant::ShortInt(0)},
      {"Max", TBoneFieldKind::Money, TVariant::ShortInt(0)},
      {"Actual", TBoneFieldKind::Money, TVariant::ShortInt(0)},
      {"Income", TBoneFieldKind::Bool, TVariant::Bool(false)},
  });
  return schema;
}

}  // namespace

TBudget::TBudget(TBone* owner, TBoneKind kind) : TBone(owner, kind) {
  SetName("Budget");
  SetDisplayTemplate("CategoryName ( Year Month )");
  AddDefinedFields(Fields(), Columns());
}

TBone* TBudget::NewRow(TBoneKind kind) { return AddRow(std::make_unique<TBudget>(this, kind)); }

TBudget* TBudget::NewBudget(TBoneKind kind) { return static_cast<TBudget*>(NewRow(kind)); }

TBudget* TBudget::BudgetAt(int index) const { return dynamic_cast<TBudget*>(RowAt(index)); }

}  // namespace tf

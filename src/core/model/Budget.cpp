#include "model/Budget.h"

#include "base/CategoryList.h"
#include "base/Guid.h"
#include "model/Account.h"
#include "model/ModelText.h"
#include "model/MoneySum.h"

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
  SetClassTag(kClassTag);
  static const TAtom name("Budget");
  SetName(name);
  static const TAtom display("CategoryName ( Year Month )");
  SetDisplayTemplate(display);
  AddDefinedFields(Fields(), Columns());
}

TBone* TBudget::NewRow(TBoneKind kind) {
  return AddRow(std::make_unique<TBudget>(this, kind));
}

TBudget* TBudget::NewBudget(TBoneKind kind) {
  return static_cast<TBudget*>(NewRow(kind));
}

TBudget* TBudget::BudgetAt(int index) const {
  return BoneAs<TBudget>(RowAt(index));
}

void TBudget::AssignNewId() {
  TBoneField* id = FieldAt(fBudgetID);
  if (id->AsString().empty()) id->SetValue(TVariant::String(NewGuid()));
}

// Year, month, income lines before expense lines, then the category.
int TBudget::CompareBudgets(const TBone* a, const TBone* b) {
  const auto* x = BoneAs<TBudget>(a);
  const auto* y = BoneAs<TBudget>(b);
  if (x == nullptr || y == nullptr) return 0;
  for (int field : {fYear, fMonth}) {
    const int p = FieldInteger(x->FieldAt(field)), q = FieldInteger(y->FieldAt(field));
    if (p != q) return p < q ? -1 : 1;
  }
  const bool incomeX = x->FieldAt(fIncome)->AsBool(), incomeY = y->FieldAt(fIncome)->AsBool();
  if (incomeX != incomeY) return incomeX ? -1 : 1;
  std::string scratchX, scratchY;
  return CompareIgnoringCase(FieldText(x->FieldAt(fCategoryName), scratchX),
                             FieldText(y->FieldAt(fCategoryName), scratchY));
}

void TBudget::SortBudgets() {
  SortRows(CompareBudgets);
}

int TBudget::CreateMonth(TDateTime target, TDateTime copyFrom) {
  int year, month, day, fromYear = 0, fromMonth = 0;
  DecodeDate(target, year, month, day);
  if (copyFrom != 0) DecodeDate(copyFrom, fromYear, fromMonth, day);
  const auto* root = BoneAs<TAccount>(OwnerBone());
  // A copy: new lines must not change the list being walked.
  const TCategoryList* list = root != nullptr ? root->Categories() : nullptr;
  const std::vector<std::string> categories = list ? list->Entries() : std::vector<std::string>();
  for (const std::string& category : categories) {
    TBudget* line = NewBudget(TBoneKind::Single);
    line->AssignNewId();
    line->FieldAt(fCategoryName)->SetValue(TVariant::String(category));
    line->FieldAt(fYear)->SetValue(TVariant::Integer(year));
    line->FieldAt(fMonth)->SetValue(TVariant::Integer(month));
    if (root != nullptr && root->SumCategory(year, month, 0, category, false) > 0)
      line->FieldAt(fIncome)->SetValue(TVariant::Bool(true));
    const TBudget* source = copyFrom != 0 ? FindBudget(fromYear, fromMonth, category) : nullptr;
    if (source != nullptr) {
      for (int field : {fMin, fMax, fIncome})
        line->FieldAt(field)->SetValue(source->FieldAt(field)->GetValue());
    }
  }
  return static_cast<int>(categories.size());
}

TBudget* TBudget::FindBudget(int year, int month, const std::string& category) const {
  std::string scratch;
  for (int i = 0; i < RowCount(); ++i) {
    TBudget* line = BudgetAt(i);
    if (line == nullptr || line->Deleted) continue;
    if (FieldInteger(line->FieldAt(fYear)) == year &&
        FieldInteger(line->FieldAt(fMonth)) == month &&
        FieldText(line->FieldAt(fCategoryName), scratch) == category)
      return line;
  }
  return nullptr;
}

double TBudget::Remaining() const {
  const TCurrency max = FieldAt(fMax)->AsCurrency(), actual = FieldAt(fActual)->AsCurrency();
  TMoneySum remaining;
  if (FieldAt(fIncome)->AsBool()) {
    remaining.Add(actual);
    remaining.Subtract(max);
  } else {
    // Expenses are negative: adding them to the plan leaves what is unspent.
    remaining.Add(max);
    if (actual.Raw > 0)
      remaining.Subtract(actual);
    else
      remaining.Add(actual);
  }
  return remaining.ToDouble();
}

}  // namespace tf

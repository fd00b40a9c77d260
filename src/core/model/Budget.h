// The budget lines of the whole file: one line plans one category for one
// calendar month, as income or as expense.
#pragma once

#include "store/Bone.h"
#include "store/DateTime.h"

namespace tf {

class TBudget : public TBone {
 public:
  static constexpr std::uint8_t kClassTag = 3;
  enum : int { fBudgetID = 0, fCategoryName, fYear, fMonth, fMin, fMax, fActual, fIncome };

  explicit TBudget(TBone* owner = nullptr, TBoneKind kind = TBoneKind::List);

  TBone* NewRow(TBoneKind kind) override;
  bool LoadsChildTables() const override { return false; }

  TBudget* NewBudget(TBoneKind kind = TBoneKind::Single);
  TBudget* BudgetAt(int index) const;
  void MoveBudget(int from, int to) { MoveRow(from, to); }

  // "BudgetID" := a new GUID, only when it is empty.
  void AssignNewId();
  void SortBudgets();
  // One new line per entry of Global().Categories for the target month; the lines added.
  int CreateMonth(TDateTime target, TDateTime copyFrom);
  TBudget* FindBudget(int year, int month, const std::string& category) const;
  double Remaining() const;

  static int CompareBudgets(const TBone* a, const TBone* b);
};

}  // namespace tf

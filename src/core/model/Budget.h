// The budget lines of the whole file: one line plans one category for one
// calendar month, as income or as expense.
#pragma once

#include "store/Bone.h"

namespace tf {

class TBudget : public TBone {
 public:
  enum : int { fBudgetID = 0, fCategoryName, fYear, fMonth, fMin, fMax, fActual, fIncome };

  explicit TBudget(TBone* owner = nullptr, TBoneKind kind = TBoneKind::List);

  TBone* NewRow(TBoneKind kind) override;
  bool LoadsChildTables() const override { return false; }

  TBudget* NewBudget(TBoneKind kind = TBoneKind::Single);
  TBudget* BudgetAt(int index) const;
  void MoveBudget(int from, int to) { MoveRow(from, to); }
};

}  // namespace tf

// The recognition patterns: a description that matches a pattern's text in
// the pattern's way gets the pattern's category and transaction type.
#pragma once

#include <functional>
#include <string>

#include "store/Bone.h"

namespace tf {

enum TMatchType { mtContains = 0, mtStartsWith = 1, mtEndsWith = 2, mtExactMatch = 3 };

class TImportSettings : public TBone {
 public:
  enum : int { fAccountID = 0, fMatchValue, fMatchType, fCategoryName, fTransactionType };
  using TEditor = std::function<bool(TImportSettings& row, void* ownerWindow)>;
  using TListEditor = std::function<void(TImportSettings& table)>;
  static TEditor& Editor();
  static TListEditor& ListEditor();

  explicit TImportSettings(TBone* owner = nullptr, TBoneKind kind = TBoneKind::List);

  TBone* NewRow(TBoneKind kind) override;
  bool Edit(void* ownerWindow) override;
  bool EditList() override;
  bool LoadsChildTables() const override { return false; }

  TImportSettings* NewPattern(TBoneKind kind = TBoneKind::Single);
  TImportSettings* PatternAt(int index) const;
  void MovePattern(int from, int to) { MoveRow(from, to); }
};

}  // namespace tf

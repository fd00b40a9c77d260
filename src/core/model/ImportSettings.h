// The recognition patterns: a description that matches a pattern's text in
// the pattern's way gets the pattern's category and transaction type.
#pragma once

#include <functional>
#include <string>

#include "store/Bone.h"

namespace tf {

class TAccount;
class TTransactions;

enum TMatchType { mtContains = 0, mtStartsWith = 1, mtEndsWith = 2, mtExactMatch = 3 };

class TImportSettings : public TBone {
 public:
  static constexpr std::uint8_t kClassTag = 4;
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

  int GetMatchType() const;
  void SetMatchType(int code);
  static std::string MatchTypeNames();
  // The name of a code; `name` is left as it was for a code outside 0..3.
  static void MatchTypeName(int code, std::string& name);
  static int MatchTypeFromName(const std::string& name);
  int GetTransactionType() const;
  void SetTransactionType(int code);
  // "MatchValue(Match Type Name)".
  std::string DisplayText() const override;
  // On the table: the first live pattern that matches gives its category and type.
  void Recognise(TTransactions* transaction, const TAccount* account) const;
};

}  // namespace tf

#include "model/ImportSettings.h"

namespace tf {
namespace {

const std::vector<const TFieldDefNode*>& Columns() {
  static const auto schema = BuildSchema({
      {"AccountID", TBoneFieldKind::String, TVariant::String("")},
      {"MatchValue", TBoneFieldKind::String, TVariant::String("")},
      {"MatchType", TBoneFieldKind::String, TVariant::String("")},
      {"CategoryName", TBoneFieldKind::String, TVariant::String("")},
      {"TransactionType", TBoneFieldKind::Integer, TVariant::ShortInt(1), false},
  });
  return schema;
}

}  // namespace

TImportSettings::TEditor& TImportSettings::Editor() {
  static TEditor editor;
  return editor;
}

TImportSettings::TListEditor& TImportSettings::ListEditor() {
  static TListEditor editor;
  return editor;
}

TImportSettings::TImportSettings(TBone* owner, TBoneKind kind) : TBone(owner, kind) {
  SetName("ImportSettings");
  SetDisplayTemplate("CategoryName");
  AddDefinedFields(Fields(), Columns());
}

TBone* TImportSettings::NewRow(TBoneKind kind) {
  return AddRow(std::make_unique<TImportSettings>(this, kind));
}

bool TImportSettings::Edit(void* ownerWindow) {
  if (!Editor() || !Editor()(*this, ownerWindow)) return false;
  SetModified(true);
  return true;
}

bool TImportSettings::EditList() {
  if (ListEditor()) ListEditor()(*this);
  return false;
}

TImportSettings* TImportSettings::NewPattern(TBoneKind kind) {
  return static_cast<TImportSettings*>(NewRow(kind));
}

TImportSettings* TImportSettings::PatternAt(int index) const {
  return dynamic_cast<TImportSettings*>(RowAt(index));
}

}  // namespace tf

#include "model/ImportSettings.h"

#include "model/ModelText.h"
#include "model/PatternMatcher.h"

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

// The stored forms of the match types, in code order.
const char* const kMatchTexts[4] = {"*|*", "|*", "*|", "|"};
const char* const kMatchNames[4] = {"Contains", "Starts With", "Ends With", "Exact Match"};

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
  SetClassTag(kClassTag);
  static const TAtom name("ImportSettings");
  SetName(name);
  static const TAtom display("CategoryName");
  SetDisplayTemplate(display);
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
  return BoneAs<TImportSettings>(RowAt(index));
}

int TImportSettings::GetMatchType() const {
  const std::string text = FieldAt(fMatchType)->AsString();
  for (int code = 0; code < 4; ++code)
    if (text == kMatchTexts[code]) return code;
  return mtContains;
}

void TImportSettings::SetMatchType(int code) {
  if (code >= 0 && code < 4) FieldAt(fMatchType)->SetValue(TVariant::String(kMatchTexts[code]));
}

std::string TImportSettings::MatchTypeNames() {
  return std::string(kMatchNames[0]) + "\r\n" + kMatchNames[1] + "\r\n" + kMatchNames[2] + "\r\n" +
         kMatchNames[3];
}

void TImportSettings::MatchTypeName(int code, std::string& name) {
  if (code >= 0 && code < 4) name = kMatchNames[code];
}

int TImportSettings::MatchTypeFromName(const std::string& name) {
  const std::string upper = UpperTrimmed(name);
  if (upper == "STARTS WITH") return mtStartsWith;
  if (upper == "ENDS WITH") return mtEndsWith;
  if (upper == "EXACT MATCH") return mtExactMatch;
  return mtContains;
}

int TImportSettings::GetTransactionType() const {
  const int code = FieldAt(fTransactionType)->AsInteger();
  return code > 3 ? 1 : code;
}

void TImportSettings::SetTransactionType(int code) {
  FieldAt(fTransactionType)->SetValue(TVariant::Integer(code));
}

std::string TImportSettings::DisplayText() const {
  std::string name;
  MatchTypeName(GetMatchType(), name);
  return FieldAt(fMatchValue)->AsString() + "(" + name + ")";
}

void TImportSettings::Recognise(TTransactions* transaction, const TAccount* account) const {
  TPatternMatcher(*this).Recognise(transaction, account);
}

}  // namespace tf

// A typed column of a record-store row: its value, its default and the
// conversions that decide what it accepts and what it reads as. Definitions
// are shared between the many rows that have the same column.
#pragma once

#include <cstdint>
#include <string>

#include "store/Atom.h"
#include "store/BoneBase.h"
#include "store/StoreChanges.h"
#include "store/Variant.h"

namespace tf {

class TBoneFieldList;
class TStreamReader;
class TStreamWriter;

enum class TBoneFieldKind : std::uint8_t {
  String = 0,
  TextBlob = 1,
  Integer = 2,
  Int64 = 3,
  Money = 4,
  Float = 5,
  Bool = 6,
  DateTime = 7,
  Unknow = 8
};

const char* FieldKindName(TBoneFieldKind kind);
TBoneFieldKind FieldKindFromName(const std::string& name);

// Everything of a field except its two values. Immutable once interned.
struct TFieldDef {
  TAtom Name, Info;
  bool Flag1 = false, Flag2 = false, Flag3 = false;
  bool IsKey = false;
  bool AllowNull = true;
  std::int32_t Size = 0;
  TBoneFieldKind Kind = TBoneFieldKind::Unknow;
  TVariant DefaultValue;  // Null
  TAtom FieldName, DisplayName, ParamName;
  bool IsLinked = false;
  std::int32_t Tag = 0;
  TAtom LinkField, LinkTable, EmptyDateText, FilterExpression;

  friend bool operator==(const TFieldDef&, const TFieldDef&) = default;
};

// An interned definition with its record bytes ready for the writer and for
// the reader's check that a stored column is the one it expects.
struct TFieldDefNode {
  TFieldDef Def;
  std::string Head;      // record items 1 to 9
  std::string Tail;      // record items 12 to 21
  TVariant DefaultText;  // the default's text, for reading Null slots
};

const TFieldDefNode* InternFieldDef(const TFieldDef& def);

class TBoneField : public TBoneBase {
 public:
  explicit TBoneField(TBoneFieldList* owner);

  void Define(const std::string& fieldName, const std::string& displayName,
              const std::string& paramName, std::int32_t size, bool allowNull,
              const TVariant& defaultValue, TBoneFieldKind kind);
  bool CanHold(const TVariant& value, TBoneFieldKind kind) const;

  TVariant GetValue() const { return ConvertToKind(Value_); }
  void SetValue(const TVariant& value);
  void SetValue(TVariant&& value);
  TVariant GetEditValue() const;
  void SetEditValue(const TVariant& value);
  const TVariant& HeldValue() const { return Value_; }

  // Fast readers that give exactly what GetValue would, without a copy where
  // the held value already has the kind's tag.
  std::string AsString() const;
  std::string DisplayText() const { return AsString(); }
  TCurrency AsCurrency() const;
  std::int32_t AsInteger() const;
  bool AsBool() const;
  // The held text when the field is a text column holding text, else null.
  const std::string* TextOrNull() const;

  std::string KindName() const { return FieldKindName(Def_->Def.Kind); }
  void SetKindName(const std::string& name);
  void Assign(const TBoneField* other);
  // As Assign, but takes the other field's values instead of copying them.
  void AssignTaking(TBoneField& other);
  // AssignTaking for the common case of reading a file: `other` has this
  // field's very definition and values already in its kind's form, so they
  // simply move. False (nothing taken) in any other case.
  bool TakeSameColumn(TBoneField& other);

  TBoneFieldList* FieldList() const;

  const TFieldDef& Def() const { return Def_->Def; }
  const TFieldDefNode* DefNode() const { return Def_; }
  const std::string& FieldName() const { return Def_->Def.FieldName; }
  TBoneFieldKind Kind() const { return Def_->Def.Kind; }
  bool IsKey() const { return Def_->Def.IsKey; }
  bool AllowNull() const { return Def_->Def.AllowNull; }
  const TVariant& DefaultValue() const { return Def_->Def.DefaultValue; }
  bool Merged() const { return Merged_; }
  // Changes any definition member; the definition is shared, so this copies it.
  template <class F>
  void ChangeDef(F&& change) {
    TFieldDef def = Def_->Def;
    change(def);
    Def_ = InternFieldDef(def);
    NoteContentChange();
  }

  void WriteTo(TStreamWriter& writer) const;
  // `expected` is the definition the reader guesses the record has; any other
  // definition is read the slow way.
  void ReadFrom(TStreamReader& reader, const TFieldDefNode* expected);
  void SetMerged(bool merged) { Merged_ = merged; }
  // Gives the field a definition built once for a whole table class.
  void SetDefNode(const TFieldDefNode* node) {
    Def_ = node;
    NoteContentChange();
  }

 private:
  TVariant ConvertToKind(const TVariant& held) const;
  void ReadValues(TStreamReader& reader, TBoneFieldKind kind, bool allowNull);
  static const TVariant* InternEditValue(const TVariant& value);

  const TFieldDefNode* Def_;
  TVariant Value_;
  const TVariant* EditValue_ = nullptr;  // null is Null; edit values are shared
  bool Merged_ = false;
};

}  // namespace tf

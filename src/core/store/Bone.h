// The record store's one structural class: a table (kind List) or a row
// (kind Single), each with its own columns, table-level columns, rows and
// child tables. The whole tree below a root is read and written in one pass.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "store/Atom.h"
#include "store/BoneBase.h"
#include "store/BoneFieldList.h"
#include "store/StoreChanges.h"

namespace tf {

class TByteSource;

enum class TBoneKind : std::uint8_t { List = 0, Single = 1 };

class TBone : public TBoneBase {
 public:
  using TRowCompare = std::function<int(const TBone* a, const TBone* b)>;

  TBone(TBone* owner, TBoneKind kind);
  virtual ~TBone() = default;
  TBone(const TBone&) = delete;
  TBone& operator=(const TBone&) = delete;

  TBone* OwnerBone() const { return static_cast<TBone*>(Owner()); }

  const std::string& Name() const { return Name_; }
  void SetName(const std::string& name) {
    Name_ = TAtom(name);
    NoteContentChange();
  }
  const std::string& Info() const { return Info_; }
  void SetInfo(const std::string& info) {
    Info_ = TAtom(info);
    NoteContentChange();
  }
  // Stored flags: setting one to another value counts as a change of the content.
  TStoredFlag Flag1, Flag2, Flag3;
  TStoredFlag Deleted;

  TBoneKind Kind() const { return Kind_; }
  // Which class of the model this object is, without a dynamic_cast: each
  // model class sets its own tag (T::kClassTag) in its constructor; 0 is
  // none. See BoneAs.
  std::uint8_t ClassTag() const { return ClassTag_; }
  const std::string& DisplayTemplate() const { return DisplayTemplate_; }
  void SetDisplayTemplate(const std::string& text) {
    DisplayTemplate_ = TAtom(text);
    NoteContentChange();
  }

  virtual void SetModified(bool modified) { Modified_ = modified; }
  virtual bool GetModified() const { return Modified_; }

  TBoneFieldList& Fields() { return Fields_; }
  const TBoneFieldList& Fields() const { return Fields_; }
  TBoneFieldList& ListFields() { return ListFields_; }
  const TBoneFieldList& ListFields() const { return ListFields_; }
  TBoneBaseList<TBone>& Rows() { return Rows_; }
  const TBoneBaseList<TBone>& Rows() const { return Rows_; }
  TBoneBaseList<TBone>& Children() { return Children_; }
  const TBoneBaseList<TBone>& Children() const { return Children_; }

  TBoneField* FieldAt(int index) { return Fields_.FieldByIndex(index); }
  const TBoneField* FieldAt(int index) const { return Fields_.FieldByIndex(index); }
  void MoveField(int from, int to) { Fields_.MoveField(from, to); }
  TBoneField* ListFieldAt(int index) { return ListFields_.FieldByIndex(index); }
  const TBoneField* ListFieldAt(int index) const { return ListFields_.FieldByIndex(index); }
  void MoveListField(int from, int to) { ListFields_.MoveField(from, to); }
  TBone* RowAt(int index) const { return Rows_.GetItem(index); }
  void MoveRow(int from, int to) { Rows_.Move(from, to); }
  TBone* ChildAt(int index) const { return Children_.GetItem(index); }
  void MoveChild(int from, int to) { Children_.Move(from, to); }

  std::string GetKindName() const { return Kind_ == TBoneKind::List ? "list" : "single"; }
  void SetKindName(const std::string& name);

  virtual void AfterRead() {}
  virtual std::string DisplayText() const { return Fields_.FormatText(DisplayTemplate_); }
  TBone* AddRow(std::unique_ptr<TBone> row);
  virtual TBone* NewRow(TBoneKind kind);
  TBone* AddChild(std::unique_ptr<TBone> table);
  virtual TBone* NewChild(TBoneKind kind);
  // Row editors are windows; the desktop program supplies them.
  virtual bool EditList() { return false; }
  virtual bool Edit(void* ownerWindow) { return false; }
  virtual bool LoadsChildTables() const { return true; }
  virtual bool SavesChildTables() const { return LoadsChildTables(); }

  int RowCount() const { return Rows_.Count(); }
  int LiveRowCount() const;
  int ChildCount() const { return Children_.Count(); }
  void AssignFields(const TBone* source, bool withListFields);
  // Sorts the rows with a three-way comparison (negative: a before b).
  void SortRows(const TRowCompare& compare);

  void WriteTo(TStreamWriter& writer) const;
  void ReadFrom(TStreamReader& reader, int depth = 0);
  // The uncompressed content: exactly this object's record.
  void SaveToStream(std::string& out) const;
  void LoadFromStream(TByteSource& source);
  void SaveToCompressedStream(std::string& out) const;
  void LoadFromCompressedStream(std::string_view compressed);
  void SaveToFile(const std::string& path, bool compressed) const;
  void LoadFromFile(const std::string& path, bool compressed);

  // The deepest nesting of tables a file may have; this program's files have four.
  static constexpr int kMaxDepth = 64;

 protected:
  // Subclasses give every object the same columns, built once per class.
  void AddDefinedFields(TBoneFieldList& list, const std::vector<const TFieldDefNode*>& schema);
  void SetClassTag(std::uint8_t tag) { ClassTag_ = tag; }
  void SetName(TAtom name) { Name_ = name; }
  void SetDisplayTemplate(TAtom text) { DisplayTemplate_ = text; }

 private:
  TAtom Name_, Info_;
  TBoneBaseList<TBone> Rows_;
  TBoneFieldList Fields_;
  TBoneKind Kind_;
  std::uint8_t ClassTag_ = 0;
  TBoneBaseList<TBone> Children_;
  TBoneFieldList ListFields_;
  TStoredFlag Modified_;
  TAtom DisplayTemplate_;
  TAtom SelectProc_, SearchProc_, DeleteProc_, UpdateProc_, InsertProc_;
};

// `bone` as a T when its class tag says it is one, else null: a subclass of T
// keeps T's tag, so this agrees with dynamic_cast for the model's classes.
template <class T>
T* BoneAs(TBone* bone) {
  return bone != nullptr && bone->ClassTag() == T::kClassTag ? static_cast<T*>(bone) : nullptr;
}
template <class T>
const T* BoneAs(const TBone* bone) {
  return bone != nullptr && bone->ClassTag() == T::kClassTag ? static_cast<const T*>(bone)
                                                             : nullptr;
}

// Builds a class's column definitions once: each entry as `Define` would make it.
struct TColumnSpec {
  const char* FieldName;
  TBoneFieldKind Kind;
  TVariant Default;
  bool AllowNull = true;
  bool IsKey = false;
};
std::vector<const TFieldDefNode*> BuildSchema(const std::vector<TColumnSpec>& columns);

}  // namespace tf

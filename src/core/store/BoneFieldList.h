// The columns of one record-store object, in index order. Every caller
// reaches a column by its index; lookup by name is for the file reader and
// the display templates.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "store/BoneField.h"

namespace tf {

class TBoneFieldList : public TBoneBase {
 public:
  explicit TBoneFieldList(TBoneBase* owner = nullptr) : TBoneBase(owner) {}
  TBoneFieldList(const TBoneFieldList&) = delete;
  TBoneFieldList& operator=(const TBoneFieldList&) = delete;

  int Count() const { return static_cast<int>(Fields_.size()); }
  // The new field; the pointer stays valid until the next field is added.
  TBoneField* AddField();
  TBoneField* FieldByIndex(int index);
  const TBoneField* FieldByIndex(int index) const;
  TBoneField* FieldByName(const std::string& name);
  TBoneField* KeyField();
  const TBoneField* KeyField() const;
  bool HasKeyField() const { return KeyField() != nullptr; }
  void AssignValues(const TBoneFieldList& other);
  std::string FormatText(const std::string& templ) const;
  void MoveField(int from, int to);
  void Clear() {
    NoteContentChange();
    Fields_.clear();
  }
  void Delete(int index);
  void Reserve(std::size_t count) { Fields_.reserve(count); }

  void WriteTo(TStreamWriter& writer) const;
  void ReadFrom(TStreamReader& reader);

 private:
  using TNameIndex = std::unordered_map<const std::string*, std::vector<int>>;
  static constexpr int kScanLimit = 64;
  void ReadField(TStreamReader& reader, int position, TNameIndex* byName);

  std::vector<TBoneField> Fields_;
};

}  // namespace tf

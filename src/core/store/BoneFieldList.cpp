#include "store/BoneFieldList.h"

#include <unordered_map>

#include "store/ValueStream.h"

namespace tf {
namespace {

std::string LowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return text;
}

// Replaces every occurrence of `what` (ignoring ASCII case) in `text`,
// scanning left to right without looking into what was put in.
std::string ReplaceAllIgnoreCase(const std::string& text, const std::string& what,
                                 const std::string& with) {
  const std::string lowerText = LowerAscii(text);
  const std::string lowerWhat = LowerAscii(what);
  std::string result;
  std::size_t from = 0;
  for (std::size_t at = lowerText.find(lowerWhat); at != std::string::npos;
       at = lowerText.find(lowerWhat, from)) {
    result.append(text, from, at - from);
    result += with;
    from = at + what.size();
  }
  result.append(text, from, std::string::npos);
  return result;
}

}  // namespace

TBoneField* TBoneFieldList::AddField() {
  NoteContentChange();
  Fields_.emplace_back(this);
  return &Fields_.back();
}

TBoneField* TBoneFieldList::FieldByIndex(int index) {
  return index < 0 || index >= Count() ? nullptr : &Fields_[static_cast<std::size_t>(index)];
}

const TBoneField* TBoneFieldList::FieldByIndex(int index) const {
  return index < 0 || index >= Count() ? nullptr : &Fields_[static_cast<std::size_t>(index)];
}

TBoneField* TBoneFieldList::FieldByName(const std::string& name) {
  const std::string wanted = LowerAscii(name);
  for (TBoneField& field : Fields_)
    if (field.FieldName().size() == wanted.size() && LowerAscii(field.FieldName()) == wanted)
      return &field;
  return nullptr;
}

TBoneField* TBoneFieldList::KeyField() {
  for (TBoneField& field : Fields_)
    if (field.IsKey()) return &field;
  return nullptr;
}

const TBoneField* TBoneFieldList::KeyField() const {
  for (const TBoneField& field : Fields_)
    if (field.IsKey()) return &field;
  return nullptr;
}

void TBoneFieldList::AssignValues(const TBoneFieldList& other) {
  for (TBoneField& mine : Fields_)
    for (const TBoneField& theirs : other.Fields_)
      if (mine.FieldName() == theirs.FieldName() && mine.Kind() == theirs.Kind())
        mine.SetValue(theirs.GetValue());
}

std::string TBoneFieldList::FormatText(const std::string& templ) const {
  if (templ.empty()) {
    const TBoneField* key = KeyField();
    return key ? key->AsString() : std::string();
  }
  // Each field works on what the earlier ones produced: a value put in can
  // itself be replaced by a later field's name.
  std::string text = templ;
  for (const TBoneField& field : Fields_) {
    const std::string& name = field.FieldName();
    if (name.empty()) continue;
    if (LowerAscii(text).find(LowerAscii(name)) == std::string::npos) continue;
    text = ReplaceAllIgnoreCase(text, name, field.DisplayText());
  }
  return text;
}

void TBoneFieldList::MoveField(int from, int to) {
  if (from < 0 || from >= Count()) throw EListError(from);
  if (to < 0 || to >= Count()) throw EListError(to);
  NoteContentChange();
  TBoneField moving = std::move(Fields_[static_cast<std::size_t>(from)]);
  Fields_.erase(Fields_.begin() + from);
  Fields_.insert(Fields_.begin() + to, std::move(moving));
}

void TBoneFieldList::Delete(int index) {
  if (index < 0 || index >= Count()) throw EListError(index);
  NoteContentChange();
  Fields_.erase(Fields_.begin() + index);
}

void TBoneFieldList::WriteTo(TStreamWriter& writer) const {
  writer.WriteInteger(Count());
  for (const TBoneField& field : Fields_) field.WriteTo(writer);
}

void TBoneFieldList::ReadFrom(TStreamReader& reader) {
  const std::int32_t count = reader.ReadInteger();
  std::unordered_map<const std::string*, std::vector<int>> byName;
  for (std::int32_t i = 0; i < count; ++i) {
    // Rows have a dozen columns, where a scan is quickest; a list with very
    // many columns is looked up by name so that reading stays linear.
    if (Count() > kScanLimit && byName.empty()) {
      for (int k = 0; k < Count(); ++k)
        byName[&Fields_[static_cast<std::size_t>(k)].FieldName()].push_back(k);
    }
    ReadField(reader, i, byName.empty() ? nullptr : &byName);
  }
}

void TBoneFieldList::ReadField(TStreamReader& reader, int position, TNameIndex* byName) {
  // Files written by this program store the columns in the defined order, so
  // the defined column at the same position is the best guess.
  const TBoneField* guess = FieldByIndex(position);
  TBoneField incoming(this);
  incoming.ReadFrom(reader, guess ? guess->DefNode() : nullptr);
  // A stored column fills every defined column of the same name, the last
  // one taking its value; a column the class does not define is kept after
  // the defined ones.
  int last = -1;
  if (byName) {
    const auto hit = byName->find(&incoming.FieldName());
    if (hit != byName->end()) {
      const std::vector<int>& found = hit->second;
      for (std::size_t i = 0; i + 1 < found.size(); ++i)
        Fields_[static_cast<std::size_t>(found[i])].Assign(&incoming);
      last = found.back();
    }
  } else {
    int matches = 0;
    const TAtom name = incoming.Def().FieldName;
    for (int k = 0; k < Count(); ++k) {
      if (!(Fields_[static_cast<std::size_t>(k)].Def().FieldName == name)) continue;
      if (last >= 0) Fields_[static_cast<std::size_t>(last)].Assign(&incoming);
      last = k;
      ++matches;
    }
    // The stored column is the defined one at its own place, the only one
    // of its name: its values move in as they are.
    if (matches == 1 && last == position &&
        Fields_[static_cast<std::size_t>(last)].TakeSameColumn(incoming))
      return;
  }
  if (last >= 0) {
    Fields_[static_cast<std::size_t>(last)].AssignTaking(incoming);
    return;
  }
  Fields_.push_back(std::move(incoming));
  if (byName) (*byName)[&Fields_.back().FieldName()].push_back(Count() - 1);
}

}  // namespace tf

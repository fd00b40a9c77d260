#include "store/Bone.h"

#include <algorithm>
#include <new>
#include <utility>

#include "store/BackgroundSource.h"
#include "store/BlockDeflater.h"
#include "store/DataFile.h"
#include "store/StoreError.h"
#include "store/ValueStream.h"

namespace tf {

TBone::TBone(TBone* owner, TBoneKind kind)
    : TBoneBase(owner),
      Rows_(this),
      Fields_(this),
      Kind_(kind),
      Children_(this),
      ListFields_(this) {}

void TBone::SetKindName(const std::string& name) {
  std::size_t from = 0, to = name.size();
  while (from < to && (name[from] == ' ' || (name[from] > 0 && name[from] < ' '))) ++from;
  while (to > from && (name[to - 1] == ' ' || (name[to - 1] > 0 && name[to - 1] < ' '))) --to;
  std::string lower = name.substr(from, to - from);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  TBoneKind kind = Kind_;
  if (lower == "list")
    kind = TBoneKind::List;
  else if (lower == "single")
    kind = TBoneKind::Single;
  if (kind == Kind_) return;
  Kind_ = kind;
  NoteContentChange();
}

TBone* TBone::AddRow(std::unique_ptr<TBone> row) {
  return Rows_.Add(std::move(row));
}

TBone* TBone::NewRow(TBoneKind kind) {
  return AddRow(std::make_unique<TBone>(this, kind));
}

TBone* TBone::AddChild(std::unique_ptr<TBone> table) {
  return Children_.Add(std::move(table));
}

TBone* TBone::NewChild(TBoneKind kind) {
  return AddChild(std::make_unique<TBone>(this, kind));
}

int TBone::LiveRowCount() const {
  int live = 0;
  for (const auto& row : Rows_.Items()) live += row->Deleted ? 0 : 1;
  return live;
}

void TBone::AssignFields(const TBone* source, bool withListFields) {
  if (source == nullptr) return;
  if (withListFields) ListFields_.AssignValues(source->ListFields_);
  Fields_.AssignValues(source->Fields_);
}

void TBone::SortRows(const TRowCompare& compare) {
  // Rows already in order stay as they are, and count as no change.
  const auto& rows = std::as_const(Rows_).Items();
  const auto before = [&](const std::unique_ptr<TBone>& a, const std::unique_ptr<TBone>& b) {
    return compare(a.get(), b.get()) < 0;
  };
  if (std::is_sorted(rows.begin(), rows.end(), before)) return;
  auto& items = Rows_.Items();
  std::stable_sort(items.begin(), items.end(), before);
}

void TBone::AddDefinedFields(TBoneFieldList& list,
                             const std::vector<const TFieldDefNode*>& schema) {
  list.Reserve(schema.size());
  for (const TFieldDefNode* node : schema) list.AddField()->SetDefNode(node);
}

void TBone::WriteTo(TStreamWriter& writer) const {
  writer.WriteText(Name_.str());
  writer.WriteText(Info_.str());
  writer.WriteBool(Flag1);
  writer.WriteBool(Flag2);
  writer.WriteBool(Flag3);
  writer.WriteBool(GetModified());
  writer.WriteBool(Deleted);
  writer.WriteText(DisplayTemplate_.str());
  writer.WriteText(GetKindName());
  for (const TAtom* proc : {&SelectProc_, &SearchProc_, &DeleteProc_, &UpdateProc_, &InsertProc_})
    writer.WriteText(proc->str());
  writer.WriteInteger(Rows_.Count());
  for (const auto& row : Rows_.Items()) {
    writer.RowBoundary();
    row->WriteTo(writer);
  }
  writer.WriteInteger(Children_.Count());
  for (const auto& child : Children_.Items()) child->WriteTo(writer);
  Fields_.WriteTo(writer);
  ListFields_.WriteTo(writer);
}

namespace {

// Reads a text and keeps the atom it is expected to be without interning again.
TAtom ReadAtom(TStreamReader& reader, std::string& scratch, TAtom expected) {
  reader.ReadText(scratch);
  return scratch == expected.str() ? expected : TAtom(scratch);
}

}  // namespace

void TBone::ReadFrom(TStreamReader& reader, int depth) {
  if (depth > kMaxDepth) throw EReadError("Tables are nested too deeply");
  NoteContentChange();
  // One buffer for the whole read: every row's texts are compared with the
  // atoms it already has, and the rows below are read after the last use.
  thread_local std::string scratch;
  Name_ = ReadAtom(reader, scratch, Name_);
  Info_ = ReadAtom(reader, scratch, Info_);
  Flag1 = reader.ReadBool();
  Flag2 = reader.ReadBool();
  Flag3 = reader.ReadBool();
  SetModified(reader.ReadBool());
  Deleted = reader.ReadBool();
  DisplayTemplate_ = ReadAtom(reader, scratch, DisplayTemplate_);
  reader.ReadText(scratch);
  SetKindName(scratch);
  for (TAtom* proc : {&SelectProc_, &SearchProc_, &DeleteProc_, &UpdateProc_, &InsertProc_})
    *proc = ReadAtom(reader, scratch, *proc);
  Rows_.Clear();
  Children_.Clear();
  const std::int32_t rows = reader.ReadInteger();
  for (std::int32_t i = 0; i < rows; ++i) NewRow(TBoneKind::Single)->ReadFrom(reader, depth + 1);
  const std::int32_t children = reader.ReadInteger();
  for (std::int32_t i = 0; i < children; ++i)
    NewChild(TBoneKind::Single)->ReadFrom(reader, depth + 1);
  AfterRead();
  Fields_.ReadFrom(reader);
  ListFields_.ReadFrom(reader);
}

void TBone::SaveToStream(std::string& out) const {
  TStreamWriter writer(out);
  WriteTo(writer);
}

void TBone::LoadFromStream(TByteSource& source) {
  TStreamReader reader(source);
  ReadFrom(reader);
  Flag3 = true;
  if (!reader.AtEnd()) throw EReadError("Invalid stream operation");
}

void TBone::SaveToCompressedStream(std::string& out) const {
  std::string content;
  SaveToStream(content);
  out = DeflateContent(content);
}

void TBone::LoadFromCompressedStream(std::string_view compressed) {
  TInflateSource source(compressed);
  // A large file inflates on a second core while this one parses.
  if (compressed.size() < 256 * 1024) {
    LoadFromStream(source);
    return;
  }
  TBackgroundSource ahead(source);
  LoadFromStream(ahead);
}

void TBone::SaveToFile(const std::string& path, bool compressed) const {
  if (!compressed) {
    std::string content;
    SaveToStream(content);
    WriteFileAtomically(path, content);
    return;
  }
  TBlockDeflater deflater;
  std::string buffer = deflater.TakeBuffer();
  TStreamWriter writer(buffer);
  writer.SetBlockSink(&deflater);
  WriteTo(writer);
  deflater.AddBlock(std::move(buffer));
  WriteFileAtomically(path, deflater.Finish());
}

void TBone::LoadFromFile(const std::string& path, bool compressed) {
  const std::string bytes = ReadWholeFile(path);
  Flag2 = true;
  try {
    if (compressed) {
      LoadFromCompressedStream(bytes);
    } else {
      TMemorySource source(bytes);
      LoadFromStream(source);
    }
  } catch (const EStoreError& error) {
    throw EStoreError("Cannot read file \"" + path + "\". " + error.what());
  } catch (const std::bad_alloc&) {
    throw EStoreError("Cannot read file \"" + path +
                      "\". Its content does not fit into the memory available.");
  }
  Flag3 = false;
}

std::vector<const TFieldDefNode*> BuildSchema(const std::vector<TColumnSpec>& columns) {
  std::vector<const TFieldDefNode*> schema;
  for (const TColumnSpec& column : columns) {
    TFieldDef def;
    def.FieldName = TAtom(column.FieldName);
    def.DisplayName = def.FieldName;
    def.Size = 0;
    def.AllowNull = column.AllowNull;
    def.DefaultValue = column.Default;
    def.Kind = column.Kind;
    def.IsKey = column.IsKey;
    schema.push_back(InternFieldDef(def));
  }
  return schema;
}

}  // namespace tf

#include "store/BoneField.h"

#include <array>
#include <mutex>
#include <unordered_set>

#include "store/BoneFieldList.h"
#include "store/ValueStream.h"

namespace tf {
namespace {

const char* const kKindNames[9] = {"string", "textblob", "integer",  "int64", "money",
                                   "float",  "bool",     "datetime", "unknow"};

std::size_t Mix(std::size_t seed, std::size_t value) {
  return seed ^ (value + 0x9E3779B97F4A7C15ULL + (seed << 6) + (seed >> 2));
}

std::size_t HashVariant(const TVariant& v) {
  std::size_t h = Mix(0, static_cast<std::size_t>(v.Type()));
  if (v.IsText()) return Mix(h, std::hash<std::string>()(v.Text()));
  return Mix(h, static_cast<std::size_t>(v.IntValue()));
}

struct TDefHash {
  std::size_t operator()(const TFieldDefNode& n) const {
    const TFieldDef& d = n.Def;
    std::size_t h = 0;
    for (const TAtom* a : {&d.Name, &d.Info, &d.FieldName, &d.DisplayName, &d.ParamName,
                           &d.LinkField, &d.LinkTable, &d.EmptyDateText, &d.FilterExpression})
      h = Mix(h, a->Hash());
    h = Mix(h, (d.Flag1 << 0) | (d.Flag2 << 1) | (d.Flag3 << 2) | (d.IsKey << 3) |
                   (d.AllowNull << 4) | (d.IsLinked << 5));
    h = Mix(h, static_cast<std::size_t>(d.Kind));
    h = Mix(h, static_cast<std::size_t>(static_cast<std::uint32_t>(d.Size)));
    h = Mix(h, static_cast<std::size_t>(static_cast<std::uint32_t>(d.Tag)));
    return Mix(h, HashVariant(d.DefaultValue));
  }
};
struct TDefEqual {
  bool operator()(const TFieldDefNode& a, const TFieldDefNode& b) const { return a.Def == b.Def; }
};
struct TVariantHash {
  std::size_t operator()(const TVariant& v) const { return HashVariant(v); }
};

struct TDefPool {
  std::mutex Lock;
  std::unordered_set<TFieldDefNode, TDefHash, TDefEqual> Defs;
  std::unordered_set<TVariant, TVariantHash> EditValues;
};

TDefPool& Pool() {
  static TDefPool* pool = new TDefPool;  // shared by every row for the whole run
  return *pool;
}

const TFieldDefNode* DefaultDef() {
  static const TFieldDefNode* def = InternFieldDef(TFieldDef{});
  return def;
}

TVarType TagOfKind(TBoneFieldKind kind) {
  switch (kind) {
    case TBoneFieldKind::Integer:
      return TVarType::Integer;
    case TBoneFieldKind::Int64:
      return TVarType::Int64;
    case TBoneFieldKind::Money:
      return TVarType::Currency;
    case TBoneFieldKind::Float:
      return TVarType::Double;
    case TBoneFieldKind::Bool:
      return TVarType::Boolean;
    case TBoneFieldKind::DateTime:
      return TVarType::Date;
    default:
      return TVarType::String;
  }
}

bool CanHoldAs(const TVariant& value, TBoneFieldKind kind, bool allowNull) {
  if (value.IsNull()) return allowNull;
  switch (kind) {
    case TBoneFieldKind::String:
    case TBoneFieldKind::TextBlob:
      return true;
    case TBoneFieldKind::Unknow:
      return false;
    case TBoneFieldKind::DateTime: {
      if (value.Type() == TVarType::Date) return true;
      const std::string text = value.ToText();
      TDateTime dt;
      // A text that reads as a time must also read as a date and time; any
      // other text is let through and reads as the default.
      return !TryTextToTime(text, dt) || TryTextToDateTime(text, dt);
    }
    default:
      break;
  }
  if (value.Type() == TagOfKind(kind)) return true;
  const std::string text = value.ToText();
  switch (kind) {
    case TBoneFieldKind::Integer: {
      std::int32_t v;
      return TryTextToInt32(text, v);
    }
    case TBoneFieldKind::Int64: {
      std::int64_t v;
      return TryTextToInt64(text, v);
    }
    case TBoneFieldKind::Money: {
      TCurrency v;
      return TryTextToCurrency(text, v);
    }
    case TBoneFieldKind::Float: {
      double v;
      return TryTextToDouble(text, v);
    }
    case TBoneFieldKind::Bool: {
      bool v;
      return TryTextToBool(text, v);
    }
    default:
      return false;
  }
}

void WriteHead(TStreamWriter& w, const TFieldDef& d) {
  w.WriteText(d.Name.str());
  w.WriteText(d.Info.str());
  w.WriteBool(d.Flag1);
  w.WriteBool(d.Flag2);
  w.WriteBool(d.Flag3);
  w.WriteBool(d.IsKey);
  w.WriteBool(d.AllowNull);
  w.WriteInteger(d.Size);
  w.WriteText(FieldKindName(d.Kind));
}

void WriteTail(TStreamWriter& w, const TFieldDef& d) {
  w.WriteVariant(d.DefaultValue);
  w.WriteText(d.FieldName.str());
  w.WriteText(d.DisplayName.str());
  w.WriteText(d.ParamName.str());
  w.WriteBool(d.IsLinked);
  w.WriteInteger(d.Tag);
  w.WriteText(d.LinkField.str());
  w.WriteText(d.LinkTable.str());
  w.WriteText(d.EmptyDateText.str());
  w.WriteText(d.FilterExpression.str());
}

void ReadHead(TStreamReader& r, TFieldDef& d) {
  d.Name = TAtom(r.ReadText());
  d.Info = TAtom(r.ReadText());
  d.Flag1 = r.ReadBool();
  d.Flag2 = r.ReadBool();
  d.Flag3 = r.ReadBool();
  d.IsKey = r.ReadBool();
  d.AllowNull = r.ReadBool();
  d.Size = r.ReadInteger();
  d.Kind = FieldKindFromName(r.ReadText());
}

void ReadTail(TStreamReader& r, TFieldDef& d) {
  d.DefaultValue = r.ReadVariant();
  d.FieldName = TAtom(r.ReadText());
  d.DisplayName = TAtom(r.ReadText());
  d.ParamName = TAtom(r.ReadText());
  d.IsLinked = r.ReadBool();
  d.Tag = r.ReadInteger();
  d.LinkField = TAtom(r.ReadText());
  d.LinkTable = TAtom(r.ReadText());
  d.EmptyDateText = TAtom(r.ReadText());
  d.FilterExpression = TAtom(r.ReadText());
}

void CopyHead(TFieldDef& to, const TFieldDef& from) {
  to.Name = from.Name;
  to.Info = from.Info;
  to.Flag1 = from.Flag1;
  to.Flag2 = from.Flag2;
  to.Flag3 = from.Flag3;
  to.IsKey = from.IsKey;
  to.AllowNull = from.AllowNull;
  to.Size = from.Size;
  to.Kind = from.Kind;
}

const TVariant& NullVariant() {
  static const TVariant null{};
  return null;
}

}  // namespace

const char* FieldKindName(TBoneFieldKind kind) {
  const auto index = static_cast<std::size_t>(kind);
  return kKindNames[index < 9 ? index : 8];
}

TBoneFieldKind FieldKindFromName(const std::string& name) {
  std::size_t from = 0, to = name.size();
  auto blank = [](char c) { return c == ' ' || (c > 0 && c < ' '); };
  while (from < to && blank(name[from])) ++from;
  while (to > from && blank(name[to - 1])) --to;
  std::string lower = name.substr(from, to - from);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  for (int k = 0; k < 8; ++k)
    if (lower == kKindNames[k]) return static_cast<TBoneFieldKind>(k);
  return TBoneFieldKind::Unknow;
}

const TFieldDefNode* InternFieldDef(const TFieldDef& def) {
  TDefPool& pool = Pool();
  TFieldDefNode probe{def, {}, {}, {}};
  std::lock_guard<std::mutex> guard(pool.Lock);
  auto found = pool.Defs.find(probe);
  if (found != pool.Defs.end()) return &*found;
  TStreamWriter head(probe.Head), tail(probe.Tail);
  WriteHead(head, def);
  WriteTail(tail, def);
  probe.DefaultText = TVariant::String(def.DefaultValue.ToText());
  return &*pool.Defs.insert(std::move(probe)).first;
}

const TVariant* TBoneField::InternEditValue(const TVariant& value) {
  if (value.IsNull()) return nullptr;
  // Edit values are nearly always a handful of defaults; remember the last few.
  thread_local std::array<const TVariant*, 8> recent{};
  thread_local std::size_t next = 0;
  for (const TVariant* v : recent)
    if (v && *v == value) return v;
  TDefPool& pool = Pool();
  const TVariant* interned;
  {
    std::lock_guard<std::mutex> guard(pool.Lock);
    interned = &*pool.EditValues.insert(value).first;
  }
  recent[next++ % recent.size()] = interned;
  return interned;
}

TBoneField::TBoneField(TBoneFieldList* owner) : TBoneBase(owner), Def_(DefaultDef()) {}

TBoneFieldList* TBoneField::FieldList() const {
  return static_cast<TBoneFieldList*>(Owner());
}

void TBoneField::Define(const std::string& fieldName, const std::string& displayName,
                        const std::string& paramName, std::int32_t size, bool allowNull,
                        const TVariant& defaultValue, TBoneFieldKind kind) {
  ChangeDef([&](TFieldDef& d) {
    d.FieldName = TAtom(fieldName);
    d.DisplayName = TAtom(displayName);
    d.ParamName = TAtom(paramName);
    d.Size = size;
    d.AllowNull = allowNull;
    d.DefaultValue = defaultValue;
    d.Kind = kind;
  });
}

bool TBoneField::CanHold(const TVariant& value, TBoneFieldKind kind) const {
  return CanHoldAs(value, kind, AllowNull());
}

void TBoneField::SetValue(const TVariant& value) {
  if (!CanHoldAs(value, Kind(), AllowNull()) || Value_ == value) return;
  Value_ = value;
  NoteContentChange();
}

void TBoneField::SetValue(TVariant&& value) {
  if (!CanHoldAs(value, Kind(), AllowNull()) || Value_ == value) return;
  Value_ = std::move(value);
  NoteContentChange();
}

TVariant TBoneField::GetEditValue() const {
  return ConvertToKind(EditValue_ ? *EditValue_ : NullVariant());
}

void TBoneField::SetEditValue(const TVariant& value) {
  if (!CanHoldAs(value, Kind(), AllowNull())) return;
  const TVariant* interned = InternEditValue(value);
  if (interned == EditValue_) return;
  EditValue_ = interned;
  NoteContentChange();
}

TVariant TBoneField::ConvertToKind(const TVariant& held) const {
  const TFieldDefNode& node = *Def_;
  const TBoneFieldKind kind = node.Def.Kind;
  if (kind == TBoneFieldKind::Unknow) return TVariant::String({});
  if (kind == TBoneFieldKind::String || kind == TBoneFieldKind::TextBlob) {
    if (held.Type() == TVarType::String) return held;
    if (held.IsNull()) return node.DefaultText;
    return TVariant::String(held.IsText() ? held.Text() : held.ToText());
  }
  if (held.Type() == TagOfKind(kind) && kind != TBoneFieldKind::Float) return held;
  if (kind == TBoneFieldKind::Integer && held.IsInteger() && held.IntValue() >= INT32_MIN &&
      held.IntValue() <= INT32_MAX)
    return TVariant::Integer(static_cast<std::int32_t>(held.IntValue()));
  if (kind == TBoneFieldKind::Int64 && held.IsInteger()) return TVariant::Int64(held.IntValue());
  const std::string& defaultText = node.DefaultText.Text();
  const std::string text = held.IsNull() ? defaultText : held.ToText();
  switch (kind) {
    case TBoneFieldKind::Integer: {
      std::int32_t v = 0;
      if (!TryTextToInt32(text, v) && !TryTextToInt32(defaultText, v)) v = 0;
      return TVariant::Integer(v);
    }
    case TBoneFieldKind::Int64: {
      std::int64_t v = 0;
      if (!TryTextToInt64(text, v) && !TryTextToInt64(defaultText, v)) v = 0;
      return TVariant::Int64(v);
    }
    case TBoneFieldKind::Money: {
      TCurrency v;
      if (!TryTextToCurrency(text, v) && !TryTextToCurrency(defaultText, v)) v = TCurrency{};
      return TVariant::Currency(v);
    }
    case TBoneFieldKind::Float: {
      double v = 0;
      if (!TryTextToDouble(text, v) && !TryTextToDouble(defaultText, v)) v = 0;
      return TVariant::Double(v);
    }
    case TBoneFieldKind::Bool: {
      bool v = false;
      if (!TryTextToBool(text, v) && !TryTextToBool(defaultText, v)) v = false;
      return TVariant::Bool(v);
    }
    case TBoneFieldKind::DateTime: {
      TDateTime v = 0;
      if (!TryTextToDateTime(text, v) && !TryTextToDateTime(defaultText, v)) v = 0;
      return TVariant::Date(v);
    }
    default:
      return TVariant::String({});
  }
}

std::string TBoneField::AsString() const {
  if (const std::string* text = TextOrNull()) return *text;
  return GetValue().ToText();
}

const std::string* TBoneField::TextOrNull() const {
  const TBoneFieldKind kind = Kind();
  if ((kind == TBoneFieldKind::String || kind == TBoneFieldKind::TextBlob) && Value_.IsText())
    return &Value_.Text();
  return nullptr;
}

TCurrency TBoneField::AsCurrency() const {
  if (Kind() == TBoneFieldKind::Money && Value_.Type() == TVarType::Currency)
    return Value_.CurrencyValue();
  const TVariant v = GetValue();
  if (v.Type() == TVarType::Currency) return v.CurrencyValue();
  TCurrency c;
  return TryTextToCurrency(v.ToText(), c) ? c : TCurrency{};
}

std::int32_t TBoneField::AsInteger() const {
  const TVariant v = GetValue();
  if (v.IsInteger()) return static_cast<std::int32_t>(v.IntValue());
  std::int32_t i = 0;
  return TryTextToInt32(v.ToText(), i) ? i : 0;
}

bool TBoneField::AsBool() const {
  const TVariant v = GetValue();
  if (v.Type() == TVarType::Boolean) return v.BoolValue();
  bool b = false;
  return TryTextToBool(v.ToText(), b) && b;
}

void TBoneField::SetKindName(const std::string& name) {
  const TBoneFieldKind kind = FieldKindFromName(name);
  ChangeDef([&](TFieldDef& d) { d.Kind = kind; });
}

void TBoneField::Assign(const TBoneField* other) {
  if (other == nullptr) return;
  NoteContentChange();
  const TFieldDef& o = other->Def();
  TVariant value = other->GetValue();
  if (CanHoldAs(value, o.Kind, o.AllowNull)) Value_ = std::move(value);
  const TVariant edit = other->GetEditValue();
  if (CanHoldAs(edit, o.Kind, o.AllowNull)) EditValue_ = InternEditValue(edit);
  const TFieldDef& mine = Def();
  if (mine.Name == o.Name && mine.Info == o.Info && mine.Flag1 == o.Flag1 &&
      mine.Flag2 == o.Flag2 && mine.Flag3 == o.Flag3) {
    Def_ = other->Def_;
    return;
  }
  TFieldDef d = o;  // everything but the base members, which stay this field's
  d.Name = mine.Name;
  d.Info = mine.Info;
  d.Flag1 = mine.Flag1;
  d.Flag2 = mine.Flag2;
  d.Flag3 = mine.Flag3;
  Def_ = InternFieldDef(d);
}

void TBoneField::AssignTaking(TBoneField& other) {
  // Reading a file merges every stored column into its defined one; a value
  // that needs no conversion moves instead of being copied.
  const TBoneFieldKind kind = other.Kind();
  const bool movable = other.Value_.Type() == TagOfKind(kind) && kind != TBoneFieldKind::Float &&
                       kind != TBoneFieldKind::Unknow;
  TVariant taken;
  if (movable) {
    taken = std::move(other.Value_);
    other.Value_ = TVariant();
  }
  Assign(&other);
  if (movable) Value_ = std::move(taken);
}

bool TBoneField::TakeSameColumn(TBoneField& other) {
  const TBoneFieldKind kind = Kind();
  if (other.Def_ != Def_ || kind == TBoneFieldKind::Float || kind == TBoneFieldKind::Unknow)
    return false;
  const TVarType tag = TagOfKind(kind);
  if (other.Value_.Type() != tag) return false;
  // Every reader of the edit value converts it to the kind first, so a
  // missing one or one of the kind's own tag reads the same as the
  // converted copy Assign would keep.
  if (other.EditValue_ != nullptr && other.EditValue_->Type() != tag) return false;
  Value_ = std::move(other.Value_);
  other.Value_ = TVariant();
  EditValue_ = other.EditValue_;
  return true;
}

void TBoneField::WriteTo(TStreamWriter& writer) const {
  writer.WriteRaw(Def_->Head);
  // Values that already have the kind's tag are written as held, and a Null
  // text slot as the default's text, so that a save makes no copies of them.
  const TBoneFieldKind kind = Kind();
  const TVarType tag = TagOfKind(kind);
  const bool asHeld = kind != TBoneFieldKind::Float && kind != TBoneFieldKind::Unknow;
  const bool text = kind == TBoneFieldKind::String || kind == TBoneFieldKind::TextBlob;
  for (const TVariant* slot : {&Value_, EditValue_ ? EditValue_ : &NullVariant()}) {
    if (asHeld && slot->Type() == tag)
      writer.WriteVariant(*slot);
    else if (text && slot->IsNull())
      writer.WriteVariant(Def_->DefaultText);
    else
      writer.WriteVariant(ConvertToKind(*slot));
  }
  writer.WriteRaw(Def_->Tail);
}

void TBoneField::ReadValues(TStreamReader& reader, TBoneFieldKind kind, bool allowNull) {
  TVariant value = reader.ReadVariant();
  Value_ = CanHoldAs(value, kind, allowNull) ? std::move(value) : TVariant();
  const TVariant edit = reader.ReadVariant();
  EditValue_ = CanHoldAs(edit, kind, allowNull) ? InternEditValue(edit) : nullptr;
}

void TBoneField::ReadFrom(TStreamReader& reader, const TFieldDefNode* expected) {
  if (expected && reader.TryConsume(expected->Head)) {
    // The usual case: the column is the one expected, known by its bytes.
    ReadValues(reader, expected->Def.Kind, expected->Def.AllowNull);
    if (reader.TryConsume(expected->Tail)) {
      Def_ = expected;
      return;
    }
    TFieldDef def = expected->Def;
    ReadTail(reader, def);
    Def_ = InternFieldDef(def);
    return;
  }
  TFieldDef def;
  ReadHead(reader, def);
  ReadValues(reader, def.Kind, def.AllowNull);
  if (expected && reader.TryConsume(expected->Tail)) {
    TFieldDef rest = expected->Def;
    CopyHead(rest, def);
    def = rest;
  } else {
    ReadTail(reader, def);
  }
  Def_ = InternFieldDef(def);
}

}  // namespace tf

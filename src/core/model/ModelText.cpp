#include "model/ModelText.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include "store/BoneField.h"

namespace tf {
namespace {

unsigned char LowerAscii(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

struct TFoldedHash {
  std::size_t operator()(std::string_view text) const {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a over the folded bytes
    for (char c : text) hash = (hash ^ LowerAscii(c)) * 1099511628211ull;
    return static_cast<std::size_t>(hash);
  }
};

struct TFoldedEqual {
  bool operator()(std::string_view a, std::string_view b) const { return SameIgnoringCase(a, b); }
};

}  // namespace

int CompareIgnoringCase(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char x = LowerAscii(a[i]), y = LowerAscii(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareIgnoringCase(a, b) == 0;
}

std::size_t FindIgnoringCase(std::string_view text, std::string_view what, std::size_t from) {
  for (std::size_t at = from; at + what.size() <= text.size(); ++at)
    if (CompareIgnoringCase(text.substr(at, what.size()), what) == 0) return at;
  return std::string_view::npos;
}

std::string UpperTrimmed(std::string_view text) {
  std::string upper(Trimmed(text));
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

std::string_view MainCategoryPart(std::string_view category) {
  const std::size_t at = category.find(" - ");
  return at == std::string_view::npos ? category : category.substr(0, at);
}

// Duplicates are dropped before sorting: descriptions repeat a great deal.
std::string SortedUniqueLines(std::vector<std::string_view>& texts) {
  std::unordered_set<std::string_view, TFoldedHash, TFoldedEqual> seen;
  std::vector<std::string_view> unique;
  for (std::string_view text : texts)
    if (seen.insert(text).second) unique.push_back(text);
  std::sort(unique.begin(), unique.end(),
            [](std::string_view a, std::string_view b) { return CompareIgnoringCase(a, b) < 0; });
  std::string lines;
  for (std::string_view text : unique) lines.append(text).append("\r\n");
  return lines;
}

std::string WithoutIdPunctuation(std::string_view id) {
  std::string compact;
  compact.reserve(id.size());
  for (char c : id)
    if (c != '{' && c != '}' && c != '-') compact += c;
  return compact;
}

const std::string& FieldText(const TBoneField* field, std::string& scratch) {
  if (field == nullptr) {
    scratch.clear();
    return scratch;
  }
  if (const std::string* text = field->TextOrNull()) return *text;
  scratch = field->AsString();
  return scratch;
}

int FieldInteger(const TBoneField* field) {
  if (field == nullptr) return 0;
  if (field->Kind() != TBoneFieldKind::Integer) return field->AsInteger();
  // A value never set reads as the default.
  const TVariant& held = field->HeldValue().IsNull() ? field->DefaultValue() : field->HeldValue();
  if (held.IsInteger() && held.IntValue() >= INT32_MIN && held.IntValue() <= INT32_MAX)
    return static_cast<int>(held.IntValue());
  return field->AsInteger();
}

}  // namespace tf

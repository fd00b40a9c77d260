#include "base/CategoryList.h"

#include <algorithm>
#include <stdexcept>

#include "base/ListText.h"
#include "base/Text.h"

namespace tf {
namespace {

constexpr const char* kSeparator = " - ";
constexpr std::size_t kSeparatorLength = 3;
constexpr const char* kLineBreak = "\r\n";

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

// The form in which parts are compared: trimmed, letters in lower case.
std::string Key(const std::string& text) {
  std::string key = std::string(Trimmed(text));
  std::transform(key.begin(), key.end(), key.begin(), LowerAscii);
  return key;
}

int CompareIgnoringCase(const std::string& a, const std::string& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char x = static_cast<unsigned char>(LowerAscii(a[i]));
    const unsigned char y = static_cast<unsigned char>(LowerAscii(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return CompareIgnoringCase(a, b) < 0;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string result;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) result += kLineBreak;
    result += lines[i];
  }
  return result;
}

struct TDefaultGroup {
  const char* Main;
  std::vector<const char*> Subs;
};

const std::vector<TDefaultGroup>& DefaultGroups() {
  static const std::vector<TDefaultGroup> groups = {
      {"Income", {"paycheck", "interest", "rent", "commission", "bonus"}},
      {"Home",
       {"mortgage", "taxes", "insurance", "maintenance", "rent", "levy", "domestic employee"}},
      {"Food", {"groceries", "dining out", "pets"}},
      {"Debt", {"school loans", "credit cards", "loans"}},
      {"Transportation",
       {"gas", "maintenance", "taxes", "insurance", "payment", "subway / bus", "license fees"}},
      {"Utilities",
       {"electric", "water", "gas", "dstv/cable", "telephone", "cell phone", "internet", "rates"}},
      {"Personal",
       {"clothing", "grooming", "entertainment", "books", "medical", "life insurance",
        "health insurance"}},
      {"Savings", {"retirement", "college savings", "emergency fund", "vacation", "investments"}},
      {"Other", {"miscellaneous", "gifts", "donations", "bank charges", "pocket money"}},
  };
  return groups;
}

}  // namespace

std::string MainCategoryOf(const std::string& entry) {
  const std::size_t at = entry.find(kSeparator);
  return at == std::string::npos ? entry : entry.substr(0, at);
}

std::string SubCategoryOf(const std::string& entry) {
  const std::size_t at = entry.find(kSeparator);
  return at == std::string::npos ? entry : entry.substr(at + kSeparatorLength);
}

std::string JoinCategory(const std::string& main, const std::string& sub) {
  return std::string(Trimmed(main)) + kSeparator + std::string(Trimmed(sub));
}

TCategoryList::TCategoryList(bool sorted) : sorted_(sorted) {}

std::size_t TCategoryList::InsertPosition(const std::string& entry, bool& found) const {
  const auto at = std::lower_bound(entries_.begin(), entries_.end(), entry, LessIgnoringCase);
  found = at != entries_.end() && CompareIgnoringCase(*at, entry) == 0;
  return static_cast<std::size_t>(at - entries_.begin());
}

bool TCategoryList::Add(const std::string& entry) {
  if (!sorted_) {
    entries_.push_back(entry);
    return true;
  }
  bool found = false;
  const std::size_t at = InsertPosition(entry, found);
  if (found) return false;
  entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at), entry);
  return true;
}

void TCategoryList::Delete(std::size_t index) {
  if (index >= entries_.size()) throw std::out_of_range("Category list index out of range");
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

void TCategoryList::Sort() {
  std::stable_sort(entries_.begin(), entries_.end(), LessIgnoringCase);
}

int TCategoryList::IndexOf(const std::string& entry) const {
  if (sorted_) {
    bool found = false;
    const std::size_t at = InsertPosition(entry, found);
    return found ? static_cast<int>(at) : -1;
  }
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (CompareIgnoringCase(entries_[i], entry) == 0) return static_cast<int>(i);
  }
  return -1;
}

TCategoryList TCategoryList::UnsortedCopy() const {
  TCategoryList copy(false);
  copy.entries_ = entries_;
  return copy;
}

std::string TCategoryList::CommaText() const {
  return ToCommaText(entries_);
}

void TCategoryList::SetCommaText(const std::string& text) {
  Clear();
  for (const std::string& item : ParseCommaText(text)) Add(item);
}

std::string TCategoryList::LinesText() const {
  return ToLinesText(entries_);
}

void TCategoryList::SetLinesText(const std::string& text) {
  Clear();
  for (const std::string& line : ParseLinesText(text)) Add(line);
}

void TCategoryList::LoadDefaultCategories() {
  for (const TDefaultGroup& group : DefaultGroups()) {
    for (const char* sub : group.Subs) Add(JoinCategory(group.Main, sub));
  }
}

std::string TCategoryList::MainCategoriesText() const {
  std::vector<std::string> mains;
  for (const std::string& entry : entries_) {
    std::string main = MainCategoryOf(entry);
    if (mains.empty() || mains.back() != main) mains.push_back(std::move(main));
  }
  return JoinLines(mains);
}

std::string TCategoryList::SubCategoriesText(const std::string& main) const {
  std::vector<std::string> subs;
  for (const std::string& entry : entries_) {
    if (MainCategoryOf(entry) == main) subs.push_back(SubCategoryOf(entry));
  }
  return JoinLines(subs);
}

bool TCategoryList::MainCategoryExists(const std::string& main) const {
  const std::string key = Key(main);
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const std::string& e) { return Key(MainCategoryOf(e)) == key; });
}

bool TCategoryList::CategoryExists(const std::string& main, const std::string& sub) const {
  const std::string mainKey = Key(main), subKey = Key(sub);
  return std::any_of(entries_.begin(), entries_.end(), [&](const std::string& e) {
    return Key(MainCategoryOf(e)) == mainKey && Key(SubCategoryOf(e)) == subKey;
  });
}

void TCategoryList::DeleteWhere(const std::function<bool(const std::string&)>& matches) {
  for (std::size_t i = entries_.size(); i-- > 0;) {
    if (matches(entries_[i])) Delete(i);
  }
}

void TCategoryList::DeleteMainCategory(const std::string& main) {
  const std::string key = Key(main);
  DeleteWhere([&](const std::string& e) { return Key(MainCategoryOf(e)) == key; });
}

void TCategoryList::DeleteCategory(const std::string& main, const std::string& sub) {
  const std::string mainKey = Key(main), subKey = Key(sub);
  DeleteWhere([&](const std::string& e) {
    return Key(MainCategoryOf(e)) == mainKey && Key(SubCategoryOf(e)) == subKey;
  });
}

void TCategoryList::RenameMainCategory(const std::string& oldMain, const std::string& newMain) {
  const std::string key = Key(oldMain);
  std::vector<std::size_t> indexes;
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (Key(MainCategoryOf(entries_[i])) != key) continue;
    indexes.push_back(i);
    texts.push_back(JoinCategory(newMain, SubCategoryOf(entries_[i])));
  }
  Replace(indexes, texts);
}

void TCategoryList::RenameSubCategory(const std::string& main, const std::string& oldSub,
                                      const std::string& newSub) {
  const std::string mainKey = Key(main), subKey = Key(oldSub);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const std::string entryMain = MainCategoryOf(entries_[i]);
    if (Key(entryMain) == mainKey && Key(SubCategoryOf(entries_[i])) == subKey) {
      Replace({i}, {JoinCategory(entryMain, newSub)});
      return;
    }
  }
}

// In place on a working copy; a sorted list takes the new texts out and adds
// them again so that it stays in order and without duplicates.
void TCategoryList::Replace(const std::vector<std::size_t>& indexes,
                            const std::vector<std::string>& texts) {
  if (!sorted_) {
    for (std::size_t k = 0; k < indexes.size(); ++k) entries_[indexes[k]] = texts[k];
    return;
  }
  for (std::size_t k = indexes.size(); k-- > 0;) Delete(indexes[k]);
  for (const std::string& text : texts) Add(text);
}

}  // namespace tf

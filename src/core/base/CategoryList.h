// The category list: entries "Main - Sub" or "Main", kept in order without
// regard to letter case, with the operations the category editors and the
// combo boxes use, its comma-text and line forms and its default content.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tf {

// The text before the first " - ", or the whole entry when it has none.
std::string MainCategoryOf(const std::string& entry);
// The text after the first " - ", or the whole entry when it has none (so a
// main-only entry yields its own name).
std::string SubCategoryOf(const std::string& entry);
// Main and sub trimmed, joined by " - "; an empty sub still leaves the " - ".
std::string JoinCategory(const std::string& main, const std::string& sub);

class TCategoryList {
 public:
  // A sorted list ignores an entry equal to one it holds apart from letter
  // case. An unsorted one is the working copy of the category editor: it
  // keeps insertion order, allows duplicates and is renamed in place.
  explicit TCategoryList(bool sorted = true);

  bool Sorted() const { return sorted_; }
  std::size_t Count() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }
  const std::string& operator[](std::size_t index) const { return entries_.at(index); }
  const std::vector<std::string>& Entries() const { return entries_; }

  // False when a sorted list already holds the entry (ignoring case).
  bool Add(const std::string& entry);
  void Delete(std::size_t index);
  void Clear() { entries_.clear(); }
  // Puts an unsorted list in order ignoring case; duplicates stay.
  void Sort();
  // The position of the entry compared ignoring case, or -1.
  int IndexOf(const std::string& entry) const;
  // The same entries in an unsorted list, for editing.
  TCategoryList UnsortedCopy() const;

  std::string CommaText() const;
  // Empties the list, then adds every item of the comma text.
  void SetCommaText(const std::string& text);
  std::string LinesText() const;
  // Empties the list, then adds every line.
  void SetLinesText(const std::string& text);

  // Adds the 50 default entries.
  void LoadDefaultCategories();

  // Distinct main parts in list order (a main is repeated only when entries
  // of it are not adjacent), joined by CR LF.
  std::string MainCategoriesText() const;
  // The sub parts of the entries whose main part is exactly `main`.
  std::string SubCategoriesText(const std::string& main) const;

  // These compare main and sub parts trimmed and ignoring letter case.
  bool MainCategoryExists(const std::string& main) const;
  bool CategoryExists(const std::string& main, const std::string& sub) const;
  void DeleteMainCategory(const std::string& main);
  void DeleteCategory(const std::string& main, const std::string& sub);
  // Every entry of the old main becomes JoinCategory(new main, its sub part).
  void RenameMainCategory(const std::string& oldMain, const std::string& newMain);
  // The first entry of main and old sub becomes JoinCategory(its main, new sub).
  void RenameSubCategory(const std::string& main, const std::string& oldSub,
                         const std::string& newSub);

 private:
  std::size_t InsertPosition(const std::string& entry, bool& found) const;
  void Replace(const std::vector<std::size_t>& indexes, const std::vector<std::string>& texts);
  void DeleteWhere(const std::function<bool(const std::string&)>& matches);

  bool sorted_;
  std::vector<std::string> entries_;
};

}  // namespace tf

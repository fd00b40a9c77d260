// The category editor's working copy of the category list and its edits:
// adding, deleting and renaming main and sub categories. Nothing reaches the
// application's list until Store, which keeps the copy as the user's own
// list and rebuilds the category list from it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/CategoryList.h"

namespace tf {

class TAccount;

class TCategoryEditing {
 public:
  // A sorted copy of `categories`.
  explicit TCategoryEditing(const TCategoryList& categories);

  const TCategoryList& Working() const { return Working_; }
  void Sort() { Working_.Sort(); }
  // The distinct main categories and the sub-categories of one of them, as
  // the working copy holds them now.
  std::vector<std::string> MainNames() const;
  std::vector<std::string> SubNames(const std::string& main) const;

  // Adds "answer - rename me" for a trimmed answer that names no main yet
  // (ignoring case and blanks); the trimmed main, or nothing.
  std::optional<std::string> AddMain(const std::string& answer);
  // Adds "main - answer" for a new trimmed sub-category; false otherwise.
  bool AddSub(const std::string& main, const std::string& answer);
  void DeleteMain(const std::string& main) { Working_.DeleteMainCategory(main); }
  // Deletes one sub-category; whether entries of the main remain.
  bool DeleteSub(const std::string& main, const std::string& sub);
  // Renames in place; false (and nothing changed) for a blank new name.
  bool RenameMain(const std::string& oldMain, const std::string& newMain);
  bool RenameSub(const std::string& main, const std::string& oldSub, const std::string& newSub);

  // The working copy becomes the root's CustomCategories (one line each,
  // every line followed by CR LF), then the category list is rebuilt.
  void Store(TAccount& root) const;

 private:
  TCategoryList Working_;
};

// The selection dialog's check of a main and a sub-category against the
// categories already budgeted for the month.
struct TCategorySelectionCheck {
  bool Valid = false;
  bool MainMissing = false;    // tinted: the main is blank
  bool SubMissing = false;     // tinted: the main is given, the sub is blank
  bool AlreadyListed = false;  // a warning only; the input stays valid
};
TCategorySelectionCheck CheckCategorySelection(const std::string& main, const std::string& sub,
                                               const std::vector<std::string>& existing);

}  // namespace tf

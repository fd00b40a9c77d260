#include "workspace/CategoryEditing.h"

#include "base/ListText.h"
#include "model/Account.h"
#include "model/ModelText.h"

namespace tf {

TCategoryEditing::TCategoryEditing(const TCategoryList& categories)
    : Working_(categories.UnsortedCopy()) {
  Working_.Sort();
}

std::vector<std::string> TCategoryEditing::MainNames() const {
  return ParseLinesText(Working_.MainCategoriesText());
}

std::vector<std::string> TCategoryEditing::SubNames(const std::string& main) const {
  return ParseLinesText(Working_.SubCategoriesText(main));
}

std::optional<std::string> TCategoryEditing::AddMain(const std::string& answer) {
  const std::string main(Trimmed(answer));
  if (main.empty() || Working_.MainCategoryExists(main)) return std::nullopt;
  Working_.Add(JoinCategory(main, "rename me"));
  return main;
}

bool TCategoryEditing::AddSub(const std::string& main, const std::string& answer) {
  const std::string sub(Trimmed(answer));
  if (sub.empty() || Trimmed(main).empty() || Working_.CategoryExists(main, sub)) return false;
  Working_.Add(JoinCategory(main, sub));
  return true;
}

bool TCategoryEditing::DeleteSub(const std::string& main, const std::string& sub) {
  Working_.DeleteCategory(main, sub);
  return Working_.MainCategoryExists(main);
}

bool TCategoryEditing::RenameMain(const std::string& oldMain, const std::string& newMain) {
  if (Trimmed(newMain).empty()) return false;
  Working_.RenameMainCategory(oldMain, newMain);
  return true;
}

bool TCategoryEditing::RenameSub(const std::string& main, const std::string& oldSub,
                                 const std::string& newSub) {
  if (Trimmed(newSub).empty()) return false;
  Working_.RenameSubCategory(main, oldSub, newSub);
  return true;
}

void TCategoryEditing::Store(TAccount& root) const {
  root.ListFieldAt(TAccount::lfCustomCategories)->SetValue(TVariant::String(Working_.LinesText()));
  root.RebuildCategoryList();
}

TCategorySelectionCheck CheckCategorySelection(const std::string& main, const std::string& sub,
                                               const std::vector<std::string>& existing) {
  TCategorySelectionCheck check;
  check.MainMissing = Trimmed(main).empty();
  check.SubMissing = !check.MainMissing && Trimmed(sub).empty();
  check.Valid = !check.MainMissing && !check.SubMissing;
  if (!check.Valid) return check;
  const std::string joined = JoinCategory(main, sub);
  for (const std::string& entry : existing)
    if (SameIgnoringCase(entry, joined)) check.AlreadyListed = true;
  return check;
}

}  // namespace tf

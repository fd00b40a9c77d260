#include "gui/app/CategoryCombos.h"

#include <QComboBox>

#include "base/CategoryList.h"
#include "base/ListText.h"

namespace tf {
namespace {

QStringList LinesOf(const std::string& text) {
  QStringList lines;
  for (const std::string& line : ParseLinesText(text)) lines << QString::fromStdString(line);
  return lines;
}

void ReplaceItems(QComboBox& box, const QStringList& items) {
  box.clear();
  box.addItems(items);
}

// Selects the item with the text, or types it into an editable box.
void ShowText(QComboBox& box, const QString& text) {
  const int index = box.findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
  if (index >= 0) {
    box.setCurrentIndex(index);
  } else {
    box.setCurrentIndex(-1);
    if (box.isEditable()) box.setEditText(text);
  }
}

}  // namespace

void FillCategoryCombos(QComboBox& mainBox, QComboBox& subBox, const TCategoryList& categories,
                        const std::string& entry) {
  ReplaceItems(mainBox, LinesOf(categories.MainCategoriesText()));
  if (entry.empty()) {
    mainBox.setCurrentIndex(-1);
    return;
  }
  const std::string main = MainCategoryOf(entry);
  ReplaceItems(subBox, LinesOf(categories.SubCategoriesText(main)));
  ShowText(mainBox, QString::fromStdString(main));
  ShowText(subBox, QString::fromStdString(SubCategoryOf(entry)));
}

void FillSubCategoryCombo(const std::string& main, QComboBox& subBox,
                          const TCategoryList& categories) {
  if (main.empty()) {
    subBox.clear();
    return;
  }
  ReplaceItems(subBox, LinesOf(categories.SubCategoriesText(main)));
  if (subBox.count() > 0) subBox.setCurrentIndex(0);
}

std::string CategoryFromCombos(const QComboBox& mainBox, const QComboBox& subBox) {
  const QString main = mainBox.currentText();
  const QString sub = subBox.currentText();
  if (main.trimmed().isEmpty() && sub.trimmed().isEmpty()) return {};
  return (main + QStringLiteral(" - ") + sub).toStdString();
}

}  // namespace tf

// The pair of combo boxes in which the user picks a category: the main
// categories in one, the chosen main's sub-categories in the other.
#pragma once

#include <string>

class QComboBox;

namespace tf {

class TCategoryList;

// The main box offers every main category of the list; a non-empty entry
// also fills the sub box with its main's sub-categories and shows the
// entry's two parts (typed into editable boxes when they are not offered).
void FillCategoryCombos(QComboBox& mainBox, QComboBox& subBox, const TCategoryList& categories,
                        const std::string& entry);

// The main's sub-categories, the first one shown; an empty main empties the box.
void FillSubCategoryCombo(const std::string& main, QComboBox& subBox,
                          const TCategoryList& categories);

// "Main - Sub" from the two boxes as they stand; empty text when both are blank.
std::string CategoryFromCombos(const QComboBox& mainBox, const QComboBox& subBox);

}  // namespace tf

// Combo boxes that offer rows of a table (accounts, mostly): each item
// carries its row, so the choice is read back as the row or its key.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <typeinfo>

class QComboBox;

namespace tf {

class TBone;

// Whether to offer the row; the filter's own argument is whatever it captures.
using TRowFilter = std::function<bool(QComboBox& box, const TBone& row)>;

// Adds every row of the table not marked Deleted that the filter takes, in
// table order, with its display text; first a plain item `firstItem` (such as
// "all") when one is given. `clear` empties the box beforehand and leaves it
// without a selection.
void FillAccountCombo(QComboBox& box, const TBone& table, const TRowFilter& filter = {},
                      const QString& firstItem = {}, bool clear = true);

// The row of the selected item; none when nothing or a plain item is selected.
TBone* SelectedRow(const QComboBox& box);
// The selected row's key text ("AccountID" for accounts); empty without one.
std::string SelectedRowId(const QComboBox& box);

// An empty or "0" ID selects the default index (-1 selects nothing). Any
// other ID selects the first item whose row (of the given class, when one is
// named) has that key text; without a match the selection stays.
void SelectComboRowById(QComboBox& box, const std::string& id, int defaultIndex,
                        const std::type_info* rowClass = nullptr);

}  // namespace tf

#include "gui/app/RowCombos.h"

#include <QComboBox>

#include "store/Bone.h"

namespace tf {
namespace {

TBone* RowOfItem(const QComboBox& box, int index) {
  if (index < 0 || index >= box.count()) return nullptr;
  return static_cast<TBone*>(box.itemData(index).value<void*>());
}

std::string KeyOf(const TBone& row) {
  const TBoneField* key = row.Fields().KeyField();
  return key ? key->AsString() : std::string();
}

}  // namespace

void FillAccountCombo(QComboBox& box, const TBone& table, const TRowFilter& filter,
                      const QString& firstItem, bool clear) {
  if (clear) box.clear();
  if (!firstItem.isEmpty()) box.addItem(firstItem);
  for (int i = 0; i < table.RowCount(); ++i) {
    TBone* row = table.RowAt(i);
    if (!row || row->Deleted) continue;
    if (filter && !filter(box, *row)) continue;
    box.addItem(QString::fromStdString(row->DisplayText()), QVariant::fromValue<void*>(row));
  }
  // Qt selects the first item added to an empty box; the caller chooses.
  if (clear) box.setCurrentIndex(-1);
}

TBone* SelectedRow(const QComboBox& box) {
  return RowOfItem(box, box.currentIndex());
}

std::string SelectedRowId(const QComboBox& box) {
  const TBone* row = SelectedRow(box);
  return row ? KeyOf(*row) : std::string();
}

void SelectComboRowById(QComboBox& box, const std::string& id, int defaultIndex,
                        const std::type_info* rowClass) {
  if (id.empty() || id == "0") {
    box.setCurrentIndex(defaultIndex < box.count() ? defaultIndex : -1);
    return;
  }
  for (int i = 0; i < box.count(); ++i) {
    const TBone* row = RowOfItem(box, i);
    if (!row || (rowClass && typeid(*row) != *rowClass)) continue;
    if (row->Fields().HasKeyField() && KeyOf(*row) == id) {
      box.setCurrentIndex(i);
      return;
    }
  }
}

}  // namespace tf

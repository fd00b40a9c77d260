#include "gui/budgets/BudgetTotalsModel.h"

#include "app/Global.h"
#include "base/Formats.h"

namespace tf {

TBudgetTotalsModel::TBudgetTotalsModel(TGlobal& global, QObject* parent)
    : QAbstractTableModel(parent), Global_(global) {}

void TBudgetTotalsModel::SetTotals(const TBudgetTotals& totals) {
  Totals_ = totals;
  emit dataChanged(index(1, 1), index(3, 3));
}

int TBudgetTotalsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 4;
}

int TBudgetTotalsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 4;
}

QString TBudgetTotalsModel::Text(int row, int column) const {
  if (row == 0)
    return column == 0 ? QString()
                       : QString::fromLatin1(TBudgetTotals::kColumnCaptions[column - 1]);
  if (column == 0) return QString::fromLatin1(TBudgetTotals::kRowCaptions[row - 1]);
  return QString::fromStdString(Global_.FormatAmount(Totals_.Cell(row - 1, column - 1)));
}

QVariant TBudgetTotalsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row(), column = index.column();
  if (role == Qt::DisplayRole) return Text(row, column);
  if (role == kSignRole && row > 0 && column > 0) {
    // The colour follows the figure as shown, so 0.004 reads as 0.00 in black.
    const TCurrency shown = ParseAmountCurrency(Text(row, column).toStdString(), TCurrency{});
    return shown.Raw > 0 ? 1 : (shown.Raw < 0 ? -1 : 0);
  }
  return {};
}

Qt::ItemFlags TBudgetTotalsModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

}  // namespace tf

#include "gui/workspace/AccountsGridDelegate.h"

#include <QPainter>
#include <exception>

#include "app/Global.h"
#include "gui/app/CellText.h"
#include "gui/workspace/AccountsGridModel.h"

namespace tf {

TAccountsGridDelegate::TAccountsGridDelegate(TGlobal& global, QObject* parent)
    : TGridDelegate(parent), Global_(global) {}

void TAccountsGridDelegate::PaintName(QPainter& painter, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
  const QRect cell = option.rect;
  const bool selected = option.state & QStyle::State_Selected;
  const bool focused = option.widget && option.widget->hasFocus();
  painter.fillRect(cell, Background(index.row(), index.column(), selected, focused));
  const QVariant swatch = index.data(TAccountsGridModel::kSwatchRole);
  if (!swatch.isValid()) return;  // the empty row
  painter.setFont(GridFont());
  painter.setPen(Qt::black);
  DrawCellText(painter, index.data(Qt::DisplayRole).toString(), cell.adjusted(3, 3, -2, 0),
               THorizontalAlign::Left, TVerticalAlign::Top, false);
  const QRect box(cell.left() + 6, cell.bottom() - 12, 17, 10);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(swatch.value<QColor>());
  painter.drawRect(box.adjusted(0, 0, -1, -1));
}

void TAccountsGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  if (index.column() != TAccountsGridModel::colName)
    return TGridDelegate::paint(painter, option, index);
  painter->save();
  // A bad row must not stop the grid from painting; the cell stays as far
  // as it was drawn.
  try {
    PaintName(*painter, option, index);
  } catch (const std::exception& error) {
    Global_.TraceError(error.what());
  }
  painter->restore();
}

}  // namespace tf

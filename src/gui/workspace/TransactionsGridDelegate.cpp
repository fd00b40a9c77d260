#include "gui/workspace/TransactionsGridDelegate.h"

#include <QPainter>
#include <exception>

#include "app/Global.h"
#include "gui/app/CellText.h"
#include "gui/workspace/TransactionIcons.h"
#include "gui/workspace/TransactionsGridModel.h"

namespace tf {
namespace {

constexpr int kImageWidth = 19;

}  // namespace

TTransactionsGridDelegate::TTransactionsGridDelegate(TGlobal& global, QObject* parent)
    : TGridDelegate(parent), Global_(global) {}

void TTransactionsGridDelegate::PaintUncategorised(QPainter& painter, const QRect& cell,
                                                   bool selected) {
  QFont font = GridFont();
  font.setBold(true);
  font.setItalic(true);
  painter.setFont(font);
  // The pale pink vanishes on the blue of a selected row; a deep red reads there.
  painter.setPen(selected ? QColor(0xB0, 0x00, 0x00) : QColor(0xFF, 0xC6, 0xC6));
  DrawCellText(painter, QStringLiteral("n/a"), cell, THorizontalAlign::Centre,
               TVerticalAlign::Centre, false);
}

void TTransactionsGridDelegate::PaintWithImage(QPainter& painter,
                                               const QStyleOptionViewItem& option,
                                               const QModelIndex& index) const {
  const QRect cell = option.rect;
  const bool selected = option.state & QStyle::State_Selected;
  const bool focused = option.widget && option.widget->hasFocus();
  painter.fillRect(cell, Background(index.row(), index.column(), selected, focused));
  const QVariant image = index.data(TTransactionsGridModel::kImageRole);
  if (!image.isValid()) return;  // the empty row
  const QString text = index.data(Qt::DisplayRole).toString();
  QRect textRect = cell.adjusted(0, 0, -2, 0);
  if (index.column() == TTransactionsGridModel::colCategory) {
    if (text.isEmpty()) return PaintUncategorised(painter, cell, selected);
    if (!index.data(TTransactionsGridModel::kLockedRole).toBool())
      textRect.adjust(2, 0, 0, 0);
    else {
      painter.drawPixmap(cell.left(), cell.top() + 2, TransactionImage(imgLock));
      textRect.adjust(kImageWidth, 0, 0, 0);
    }
  } else {
    painter.drawPixmap(cell.left(), cell.top() + 2, TransactionImage(image.toInt()));
    textRect.adjust(kImageWidth, 0, 0, 0);
  }
  painter.setFont(GridFont());
  painter.setPen(Qt::black);
  DrawCellText(painter, text, textRect, THorizontalAlign::Left, TVerticalAlign::Centre, false);
}

void TTransactionsGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
  const int column = index.column();
  if (column != TTransactionsGridModel::colDescription &&
      column != TTransactionsGridModel::colCategory)
    return TGridDelegate::paint(painter, option, index);
  painter->save();
  // A bad row must not stop the grid from painting; the cell stays as far
  // as it was drawn.
  try {
    PaintWithImage(*painter, option, index);
  } catch (const std::exception& error) {
    Global_.TraceError(error.what());
  }
  painter->restore();
}

}  // namespace tf

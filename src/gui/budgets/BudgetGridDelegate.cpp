#include "gui/budgets/BudgetGridDelegate.h"

#include <QApplication>
#include <QPainter>
#include <exception>

#include "app/Global.h"
#include "base/GridColors.h"
#include "budgets/BudgetMonth.h"
#include "gui/app/CellText.h"
#include "gui/app/GridDelegate.h"
#include "gui/budgets/BudgetGridModel.h"
#include "gui/budgets/BudgetTotalsModel.h"
#include "gui/workspace/AmountEdit.h"
#include "gui/workspace/TransactionIcons.h"

namespace tf {
namespace {

constexpr unsigned kIncomeSectionColour = 0xCAE1FB;
constexpr unsigned kExpensesSectionColour = 0xFDECF0;
constexpr int kCaptionInset = 6;

TBudgetRowKind KindOf(const QModelIndex& index) {
  return static_cast<TBudgetRowKind>(index.data(TBudgetGridModel::kKindRole).toInt());
}

// The grid counts as focused while its editor has the focus.
bool HasFocus(const QStyleOptionViewItem& option) {
  const QWidget* grid = option.widget;
  if (grid == nullptr) return false;
  const QWidget* focus = QApplication::focusWidget();
  return grid->hasFocus() || (focus != nullptr && grid->isAncestorOf(focus));
}

QFont Font(bool bold) {
  QFont font = GridFont();
  font.setBold(bold);
  return font;
}

QColor SignColour(int sign) {
  if (sign > 0) return ToQColor(PositiveColor());
  if (sign < 0) return ToQColor(NegativeColor());
  return Qt::black;
}

void DrawText(QPainter& painter, const QString& text, const QRect& rect, THorizontalAlign align) {
  DrawCellText(painter, text, rect, align, TVerticalAlign::Centre, false);
}

}  // namespace

TBudgetGridDelegate::TBudgetGridDelegate(TGlobal& global, TGrid grid, QObject* parent)
    : QStyledItemDelegate(parent), Global_(global), Grid_(grid) {}

QColor TBudgetGridDelegate::Background(int row, const QModelIndex& index, bool selected) const {
  if (Grid_ == TGrid::Totals) {
    if (index.row() == 0 || index.column() == 0)
      return QApplication::palette().color(QPalette::Button);
    return ToQColor(RowColor(row));
  }
  if (KindOf(index) == TBudgetRowKind::Section)
    return ToQColor(index.data(TBudgetGridModel::kIncomeRole).toBool() ? kIncomeSectionColour
                                                                       : kExpensesSectionColour);
  if (KindOf(index) == TBudgetRowKind::Line && selected &&
      index.column() == TBudgetGridModel::colBudgeted)
    return ToQColor(SelectionColor());
  return ToQColor(RowColor(row));
}

void TBudgetGridDelegate::PaintLines(QPainter& painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
  const QRect cell = option.rect;
  const bool selected = option.state & QStyle::State_Selected;
  const bool focused = HasFocus(option);
  const int column = index.column();
  painter.fillRect(cell, Background(index.row() + 1, index, selected));
  const TBudgetRowKind kind = KindOf(index);
  const QString text = index.data(Qt::DisplayRole).toString();
  const QRect textRect = cell.adjusted(2, 0, -2, 0);
  painter.setPen(Qt::black);
  if (kind == TBudgetRowKind::Section) {
    painter.setFont(Font(true));
    return DrawText(painter, text, textRect, THorizontalAlign::Left);
  }
  if (kind != TBudgetRowKind::Line) return;
  if (column == TBudgetGridModel::colType) {
    const bool income = index.data(TBudgetGridModel::kIncomeRole).toBool();
    painter.drawPixmap(cell.left() + 15, cell.top() + 2,
                       TransactionImage(income ? imgIncome : imgExpense));
    return;
  }
  if (column == TBudgetGridModel::colBudgeted && selected) {
    painter.setPen(ToQColor(focused ? SelectionColor() : InactiveSelectionColor()));
    painter.drawLine(cell.topLeft(), cell.topRight());
    painter.drawLine(cell.bottomLeft(), cell.bottomRight());
  }
  const bool difference = column == TBudgetGridModel::colDifference;
  const int sign = difference ? index.data(TBudgetGridModel::kSignRole).toInt() : 0;
  painter.setFont(Font(difference && sign != 0));
  painter.setPen(SignColour(sign));
  DrawText(
      painter, text, textRect,
      column == TBudgetGridModel::colCategory ? THorizontalAlign::Left : THorizontalAlign::Right);
}

void TBudgetGridDelegate::PaintTotals(QPainter& painter, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
  const QRect cell = option.rect;
  painter.fillRect(cell, Background(index.row(), index, false));
  const QString text = index.data(Qt::DisplayRole).toString();
  if (index.row() == 0 || index.column() == 0) {
    painter.setFont(Font(false));
    painter.setPen(Qt::black);
    return DrawText(painter, text, cell.adjusted(kCaptionInset, 0, -kCaptionInset, 0),
                    THorizontalAlign::Right);
  }
  painter.setFont(Font(true));
  painter.setPen(SignColour(index.data(TBudgetTotalsModel::kSignRole).toInt()));
  DrawText(painter, text, cell.adjusted(2, 0, -2, 0), THorizontalAlign::Right);
}

void TBudgetGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  painter->save();
  // One bad cell must not stop the grid from painting.
  try {
    if (Grid_ == TGrid::Totals)
      PaintTotals(*painter, option, index);
    else
      PaintLines(*painter, option, index);
  } catch (const std::exception& error) {
    Global_.TraceError(error.what());
  }
  painter->restore();
}

QWidget* TBudgetGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
  auto* editor = new TAmountEdit(parent);
  editor->setObjectName(QStringLiteral("edtBudgeted"));
  editor->setFont(GridFont());
  editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  editor->setFrame(false);
  const int row = index.row();
  connect(editor, &QLineEdit::textChanged, this,
          [this, row](const QString& text) { emit budgetedEdited(row, text); });
  emit editorOpened(editor, row);
  return editor;
}

void TBudgetGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* edit = qobject_cast<QLineEdit*>(editor);
  if (edit == nullptr) return;
  // Filling the box is no edit: "Max" keeps its exact value.
  const QSignalBlocker blocker(edit);
  edit->setText(index.data(Qt::DisplayRole).toString());
  edit->selectAll();
}

void TBudgetGridDelegate::setModelData(QWidget*, QAbstractItemModel*,
                                       const QModelIndex& index) const {
  // Every keystroke is in the line already.
  emit budgetedCommitted(index.row());
}

void TBudgetGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                               const QModelIndex&) const {
  editor->setGeometry(option.rect.adjusted(1, 1, -1, -1));
}

}  // namespace tf

// Paints the budget grid and the totals grid (one look for both): section
// rows in their colours, the type image, amounts right-aligned, the
// Difference and the totals in bold red or blue, the selected Budgeted cell
// light blue with a line along its edges. It also makes the Budgeted editor
// and reports each of its changes.
#pragma once

#include <QStyledItemDelegate>

namespace tf {

class TGlobal;

class TBudgetGridDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  enum class TGrid { Lines, Totals };

  // Errors while painting go to the context's trace log.
  TBudgetGridDelegate(TGlobal& global, TGrid grid, QObject* parent = nullptr);

  // Background of a cell; `row` counts the heading row as 0.
  QColor Background(int row, const QModelIndex& index, bool selected) const;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;

 signals:
  // A Budgeted editor opened on a row of the grid.
  void editorOpened(QWidget* editor, int row) const;
  // Its text changed (each keystroke); not when it is filled on opening.
  void budgetedEdited(int row, const QString& text) const;
  // The edit was taken (Enter, Tab, another cell, the focus gone).
  void budgetedCommitted(int row) const;

 private:
  TGlobal& Global_;
  void PaintLines(QPainter& painter, const QStyleOptionViewItem& option,
                  const QModelIndex& index) const;
  void PaintTotals(QPainter& painter, const QStyleOptionViewItem& option,
                   const QModelIndex& index) const;

  TGrid Grid_;
};

}  // namespace tf

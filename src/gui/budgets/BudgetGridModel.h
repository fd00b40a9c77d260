// The rows of the budget grid: the month's section rows, budget lines and
// empty rows as the core lists them, read when painted. Only the Budgeted
// cell of a line is editable; the typing itself goes through the page.
#pragma once

#include <QAbstractTableModel>

namespace tf {

class TBudget;
class TBudgetMonth;
class TGlobal;

class TBudgetGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum TColumn : int {
    colType = 0,
    colCategory,
    colActual,
    colBudgeted,
    colDifference,
    kColumnCount
  };
  // The row's kind as TBudgetRowKind; on a line or section row, whether it is income.
  static constexpr int kKindRole = Qt::UserRole + 1;
  static constexpr int kIncomeRole = Qt::UserRole + 2;
  // The sign of the Difference (-1, 0, 1).
  static constexpr int kSignRole = Qt::UserRole + 3;

  explicit TBudgetGridModel(TGlobal& global, QObject* parent = nullptr);

  // Lists the month's rows anew (none for no month).
  void SetMonth(const TBudgetMonth* month);
  TBudget* LineAt(int row) const;
  bool IsSection(int row) const;
  // One cell painted anew; an open editor on another cell keeps its text.
  void CellChanged(int row, int column);
  void Repaint();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  QVariant DisplayData(int row, int column) const;

  TGlobal& Global_;
  const TBudgetMonth* Month_ = nullptr;
};

}  // namespace tf

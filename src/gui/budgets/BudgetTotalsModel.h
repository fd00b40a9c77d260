// The 4 by 4 totals grid below the budget lines: captions in the first row
// and column, the nine figures of the month's totals in the others.
#pragma once

#include <QAbstractTableModel>

#include "budgets/BudgetTotals.h"

namespace tf {

class TGlobal;

class TBudgetTotalsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The sign of a figure as its text reads (-1, 0, 1); none on a caption.
  static constexpr int kSignRole = Qt::UserRole + 3;

  explicit TBudgetTotalsModel(TGlobal& global, QObject* parent = nullptr);

  void SetTotals(const TBudgetTotals& totals);
  const TBudgetTotals& Totals() const { return Totals_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  QString Text(int row, int column) const;

  TGlobal& Global_;
  TBudgetTotals Totals_;
};

}  // namespace tf

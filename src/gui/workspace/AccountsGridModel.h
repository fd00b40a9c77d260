// The rows of the accounts grid: references to the live account rows,
// read when painted, so that an edited account shows without a refill. An
// empty list still shows one empty row.
#pragma once

#include <QAbstractTableModel>
#include <vector>

namespace tf {

class TAccount;
class TGlobal;

class TAccountsGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum TColumn : int { colName = 0, colBalance, kColumnCount };
  // The row's colour swatch as a QColor, under this role in the name column.
  static constexpr int kSwatchRole = Qt::UserRole + 1;

  explicit TAccountsGridModel(TGlobal& global, QObject* parent = nullptr);

  void SetAccounts(std::vector<TAccount*> accounts);
  TAccount* AccountAt(int row) const;
  int AccountCount() const { return static_cast<int>(Accounts_.size()); }
  // Every cell is read anew at its next paint.
  void Repaint();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QVariant BalanceData(const TAccount& account, int role) const;

  TGlobal& Global_;
  std::vector<TAccount*> Accounts_;
};

}  // namespace tf

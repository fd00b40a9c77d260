// The rows of the transactions grid: references to the listed transaction
// rows, read when painted, so that 100,000 rows fill without copying a text
// and an edited row shows without a refill. An empty list still shows one
// empty row.
#pragma once

#include <QAbstractTableModel>
#include <vector>

namespace tf {

class TGlobal;
class TTransactions;

class TTransactionsGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum TColumn : int {
    colDate = 0,
    colDescription,
    colCategory,
    colAmount,
    colBalance,
    kColumnCount
  };
  // The type image index (description column) and the lock flag (category column).
  static constexpr int kImageRole = Qt::UserRole + 1;
  static constexpr int kLockedRole = Qt::UserRole + 2;

  explicit TTransactionsGridModel(TGlobal& global, QObject* parent = nullptr);

  void SetTransactions(std::vector<TTransactions*> rows);
  TTransactions* TransactionAt(int row) const;
  int TransactionCount() const { return static_cast<int>(Rows_.size()); }
  // The first row showing the transaction with this ID, or -1.
  int RowOfId(const std::string& id) const;
  void Repaint();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QVariant DisplayData(const TTransactions& row, int column) const;
  QVariant StyleData(const TTransactions& row, int column, int role) const;

  TGlobal& Global_;
  std::vector<TTransactions*> Rows_;
};

}  // namespace tf

// The rows of the recognition pattern list: references to the listed
// patterns, read when painted. An empty list still shows one empty row.
#pragma once

#include <QAbstractTableModel>
#include <vector>

namespace tf {

class TAccount;
class TImportSettings;

class TPatternsGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum TColumn : int { colPattern = 0, colRecognition, colCategory, kColumnCount };

  explicit TPatternsGridModel(const TAccount& root, QObject* parent = nullptr);

  void SetPatterns(std::vector<TImportSettings*> patterns);
  TImportSettings* PatternAt(int row) const;
  int PatternCount() const { return static_cast<int>(Patterns_.size()); }
  void Repaint();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const TAccount& Root_;
  std::vector<TImportSettings*> Patterns_;
};

}  // namespace tf

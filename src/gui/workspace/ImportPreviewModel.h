// The rows of the import preview: date, description, amount, the category
// recognition would give and why a row is left out, with a tick the user can
// take off single new rows. Rows imported before or left out are greyed.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "import/CSVLineData.h"
#include "import/StatementPreview.h"

namespace tf {

class TImportPreviewModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum : int { colImport, colDate, colDescription, colAmount, colCategory, colNote, colCount };

  explicit TImportPreviewModel(QObject* parent = nullptr);

  // Shows `preview` of `rows` (kept by the caller while shown). Ticks taken
  // off before stay off when the same rows are shown again.
  void Show(const std::vector<TCSVLineData>& rows, TImportPreview preview, bool sameRows);
  void Clear();

  const TImportPreview& Preview() const { return Preview_; }
  // One flag per row: false for a new row the user unticked.
  const std::vector<bool>& Chosen() const { return Chosen_; }
  // New rows still ticked: what the import will create.
  int TickedCount() const;
  bool Tickable(int row) const;
  void ToggleTick(int row);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 signals:
  void TicksChanged();

 private:
  QVariant Display(int row, int column) const;
  void SetTick(int row, bool ticked);

  const std::vector<TCSVLineData>* Rows_ = nullptr;
  TImportPreview Preview_;
  std::vector<bool> Chosen_;
};

}  // namespace tf

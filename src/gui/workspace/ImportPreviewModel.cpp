#include "gui/workspace/ImportPreviewModel.h"

#include <QColor>

#include "base/Formats.h"
#include "base/SystemNumberFormat.h"

namespace tf {
namespace {

const char* const kHeadings[] = {"Import", "Date", "Description", "Amount", "Category", "Note"};
// Rows that will not be imported read as switched off.
const QColor kLeftOutText(0x80, 0x80, 0x80);

QString AmountText(TCurrency amount) {
  const TSystemNumberFormat& format = SystemNumberFormat();
  return QString::fromStdString(
      FormatCurrencyGrouped(amount, format.ThousandSeparator, format.DecimalSeparator));
}

}  // namespace

TImportPreviewModel::TImportPreviewModel(QObject* parent) : QAbstractTableModel(parent) {}

void TImportPreviewModel::Show(const std::vector<TCSVLineData>& rows, TImportPreview preview,
                               bool sameRows) {
  beginResetModel();
  if (!sameRows || Chosen_.size() != rows.size()) Chosen_.assign(rows.size(), true);
  Rows_ = &rows;
  Preview_ = std::move(preview);
  endResetModel();
  emit TicksChanged();
}

void TImportPreviewModel::Clear() {
  beginResetModel();
  Rows_ = nullptr;
  Preview_ = {};
  Chosen_.clear();
  endResetModel();
  emit TicksChanged();
}

int TImportPreviewModel::TickedCount() const {
  int ticked = 0;
  for (int row = 0; row < rowCount(); ++row) {
    if (Tickable(row) && Chosen_[static_cast<std::size_t>(row)]) ++ticked;
  }
  return ticked;
}

bool TImportPreviewModel::Tickable(int row) const {
  return row >= 0 && row < rowCount() &&
         Preview_.Rows[static_cast<std::size_t>(row)].Mark == TPreviewMark::New;
}

void TImportPreviewModel::ToggleTick(int row) {
  if (Tickable(row)) SetTick(row, !Chosen_[static_cast<std::size_t>(row)]);
}

void TImportPreviewModel::SetTick(int row, bool ticked) {
  Chosen_[static_cast<std::size_t>(row)] = ticked;
  emit dataChanged(index(row, 0), index(row, colCount - 1));
  emit TicksChanged();
}

int TImportPreviewModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || Rows_ == nullptr ? 0 : static_cast<int>(Preview_.Rows.size());
}

int TImportPreviewModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : colCount;
}

QVariant TImportPreviewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const int row = index.row();
  switch (role) {
    case Qt::DisplayRole:
      return Display(row, index.column());
    case Qt::ToolTipRole:
      return index.column() == colNote || index.column() == colDescription
                 ? Display(row, index.column())
                 : QVariant();
    case Qt::CheckStateRole:
      if (index.column() != colImport) return {};
      return Tickable(row) && Chosen_[static_cast<std::size_t>(row)] ? Qt::Checked : Qt::Unchecked;
    case Qt::ForegroundRole:
      return Tickable(row) ? QVariant() : QVariant(kLeftOutText);
    case Qt::TextAlignmentRole:
      return index.column() == colAmount ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
      return {};
  }
}

QVariant TImportPreviewModel::Display(int row, int column) const {
  const TCSVLineData& line = (*Rows_)[static_cast<std::size_t>(row)];
  const TPreviewRow& preview = Preview_.Rows[static_cast<std::size_t>(row)];
  switch (column) {
    case colDate:
      return QString::fromStdString(FormatDisplayDate(line.Date));
    case colDescription:
      return QString::fromStdString(line.Description);
    case colAmount:
      return AmountText(line.Amount);
    case colCategory:
      if (preview.Mark != TPreviewMark::New) return {};
      return preview.Category.empty() ? QStringLiteral("n/a")
                                      : QString::fromStdString(preview.Category);
    case colNote:
      return QString::fromStdString(preview.Note);
    default:
      return {};
  }
}

QVariant TImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= colCount)
    return QAbstractTableModel::headerData(section, orientation, role);
  return QString::fromLatin1(kHeadings[section]);
}

Qt::ItemFlags TImportPreviewModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (index.column() == colImport && Tickable(index.row())) flags |= Qt::ItemIsUserCheckable;
  return flags;
}

bool TImportPreviewModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || index.column() != colImport || !Tickable(index.row()))
    return false;
  SetTick(index.row(), value.toInt() == Qt::Checked);
  return true;
}

}  // namespace tf

#include "gui/workspace/TransactionsGridModel.h"

#include <QBrush>
#include <QFont>

#include "app/Global.h"
#include "base/GridColors.h"
#include "gui/app/GridDelegate.h"
#include "gui/workspace/TransactionIcons.h"
#include "model/ModelText.h"
#include "model/Transactions.h"

namespace tf {
namespace {

const char* const kHeadings[] = {"Date", "Description", "Category", "Amount", "Balance"};

QFont BoldFont() {
  QFont font;
  font.setBold(true);
  return font;
}

QString TextOf(const TTransactions& row, int field) {
  std::string scratch;
  const std::string& text = FieldText(row.FieldAt(field), scratch);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TTransactionsGridModel::TTransactionsGridModel(TGlobal& global, QObject* parent)
    : QAbstractTableModel(parent), Global_(global) {}

void TTransactionsGridModel::SetTransactions(std::vector<TTransactions*> rows) {
  beginResetModel();
  Rows_ = std::move(rows);
  endResetModel();
}

TTransactions* TTransactionsGridModel::TransactionAt(int row) const {
  if (row < 0 || row >= TransactionCount()) return nullptr;
  return Rows_[static_cast<std::size_t>(row)];
}

int TTransactionsGridModel::RowOfId(const std::string& id) const {
  for (int row = 0; row < TransactionCount(); ++row)
    if (Rows_[static_cast<std::size_t>(row)]->FieldAt(TTransactions::fTransactionID)->AsString() ==
        id)
      return row;
  return -1;
}

void TTransactionsGridModel::Repaint() {
  emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

int TTransactionsGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(1, TransactionCount());
}

int TTransactionsGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant TTransactionsGridModel::DisplayData(const TTransactions& row, int column) const {
  switch (column) {
    case colDate:
      return TextOf(row, TTransactions::fDate);
    case colDescription:
      return TextOf(row, TTransactions::fDescription);
    case colCategory:
      return TextOf(row, TTransactions::fCategory);
    case colAmount:
      return QString::fromStdString(
          Global_.FormatAmount(row.FieldAt(TTransactions::fAmount)->AsCurrency()));
    case colBalance:
      return QString::fromStdString(
          Global_.FormatAmount(row.FieldAt(TTransactions::fBalance)->AsCurrency()));
    default:
      return {};
  }
}

// Money in shows bold blue, a balance below zero bold red; zero stays black.
QVariant TTransactionsGridModel::StyleData(const TTransactions& row, int column, int role) const {
  const bool amount = column == colAmount;
  const TCurrency value =
      row.FieldAt(amount ? TTransactions::fAmount : TTransactions::fBalance)->AsCurrency();
  const bool marked = amount ? value.Raw > 0 : value.Raw < 0;
  if (!marked) return {};
  if (role == Qt::FontRole) return BoldFont();
  return QBrush(ToQColor(amount ? PositiveColor() : NegativeColor()));
}

QVariant TTransactionsGridModel::data(const QModelIndex& index, int role) const {
  const TTransactions* row = TransactionAt(index.row());
  if (row == nullptr) return {};
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
      return DisplayData(*row, column);
    case Qt::TextAlignmentRole:
      if (column == colDate) return int(Qt::AlignCenter);
      if (column == colAmount || column == colBalance)
        return int(Qt::AlignRight | Qt::AlignVCenter);
      return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::FontRole:
    case Qt::ForegroundRole:
      if (column == colAmount || column == colBalance) return StyleData(*row, column, role);
      return {};
    case kImageRole:
      return TransactionImageOfType(row->GetTransactionType());
    case kLockedRole:
      return row->FieldAt(TTransactions::fLockedForAutoMatching)->AsBool();
    default:
      return {};
  }
}

QVariant TTransactionsGridModel::headerData(int section, Qt::Orientation orientation,
                                            int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section < 0 || section >= kColumnCount) return {};
  return QString::fromLatin1(kHeadings[section]);
}

}  // namespace tf

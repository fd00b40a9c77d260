#include "gui/budgets/BudgetGridModel.h"

#include "app/Global.h"
#include "budgets/BudgetMonth.h"

namespace tf {
namespace {

int Sign(TCurrency value) {
  return value.Raw > 0 ? 1 : (value.Raw < 0 ? -1 : 0);
}

}  // namespace

TBudgetGridModel::TBudgetGridModel(TGlobal& global, QObject* parent)
    : QAbstractTableModel(parent), Global_(global) {}

void TBudgetGridModel::SetMonth(const TBudgetMonth* month) {
  beginResetModel();
  Month_ = month;
  endResetModel();
}

TBudget* TBudgetGridModel::LineAt(int row) const {
  if (Month_ == nullptr || row < 0 || row >= rowCount()) return nullptr;
  const TBudgetMonthRow& line = Month_->Rows()[static_cast<std::size_t>(row)];
  return line.Kind == TBudgetRowKind::Line ? line.Line : nullptr;
}

bool TBudgetGridModel::IsSection(int row) const {
  return Month_ != nullptr && row >= 0 && row < rowCount() &&
         Month_->Rows()[static_cast<std::size_t>(row)].Kind == TBudgetRowKind::Section;
}

void TBudgetGridModel::CellChanged(int row, int column) {
  emit dataChanged(index(row, column), index(row, column));
}

void TBudgetGridModel::Repaint() {
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

int TBudgetGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || Month_ == nullptr ? 0 : static_cast<int>(Month_->Rows().size());
}

int TBudgetGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant TBudgetGridModel::DisplayData(int row, int column) const {
  const TBudgetMonthRow& line = Month_->Rows()[static_cast<std::size_t>(row)];
  if (line.Kind == TBudgetRowKind::Section)
    return column == colCategory ? QString::fromStdString(line.Section) : QString();
  if (line.Kind != TBudgetRowKind::Line) return QString();
  switch (column) {
    case colType:
      return line.Income ? QStringLiteral("True") : QStringLiteral("False");
    case colCategory:
      return QString::fromStdString(line.Category);
    case colActual:
      return QString::fromStdString(Global_.FormatAmount(line.Actual));
    case colBudgeted:
      return QString::fromStdString(Global_.FormatAmount(line.Budgeted));
    case colDifference:
      return QString::fromStdString(Global_.FormatAmount(line.Difference));
    default:
      return {};
  }
}

QVariant TBudgetGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const TBudgetMonthRow& line = Month_->Rows()[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return DisplayData(index.row(), index.column());
    case Qt::ToolTipRole:
      if (line.Kind != TBudgetRowKind::Line || index.column() != colType) return {};
      return line.Income ? QStringLiteral("Income") : QStringLiteral("Expense");
    case kKindRole:
      return static_cast<int>(line.Kind);
    case kIncomeRole:
      return line.Kind == TBudgetRowKind::Section ? line.Section == "Income" : line.Income;
    case kSignRole:
      return Sign(line.Difference);
    default:
      return {};
  }
}

QVariant TBudgetGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section < 0 || section >= kColumnCount) return {};
  return QString::fromLatin1(TBudgetMonth::kColumnCaptions[section]);
}

Qt::ItemFlags TBudgetGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
  if (index.column() == colBudgeted && LineAt(index.row()) != nullptr) flags |= Qt::ItemIsEditable;
  return flags;
}

}  // namespace tf

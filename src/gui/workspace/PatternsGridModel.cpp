#include "gui/workspace/PatternsGridModel.h"

#include "model/Account.h"
#include "model/ImportSettings.h"
#include "workspace/PatternListing.h"

namespace tf {
namespace {

const char* const kHeadings[] = {"Pattern", "Recognition Type / Account", "Category"};

}  // namespace

TPatternsGridModel::TPatternsGridModel(const TAccount& root, QObject* parent)
    : QAbstractTableModel(parent), Root_(root) {}

void TPatternsGridModel::SetPatterns(std::vector<TImportSettings*> patterns) {
  beginResetModel();
  Patterns_ = std::move(patterns);
  endResetModel();
}

TImportSettings* TPatternsGridModel::PatternAt(int row) const {
  if (row < 0 || row >= PatternCount()) return nullptr;
  return Patterns_[static_cast<std::size_t>(row)];
}

void TPatternsGridModel::Repaint() {
  emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

int TPatternsGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(1, PatternCount());
}

int TPatternsGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant TPatternsGridModel::data(const QModelIndex& index, int role) const {
  const TImportSettings* pattern = PatternAt(index.row());
  if (pattern == nullptr || role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case colPattern:
      return QString::fromStdString(pattern->FieldAt(TImportSettings::fMatchValue)->AsString());
    case colRecognition:
      return QString::fromStdString(PatternRecognitionText(*pattern, Root_));
    case colCategory:
      return QString::fromStdString(pattern->FieldAt(TImportSettings::fCategoryName)->AsString());
    default:
      return {};
  }
}

QVariant TPatternsGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section < 0 || section >= kColumnCount) return {};
  return QString::fromLatin1(kHeadings[section]);
}

}  // namespace tf

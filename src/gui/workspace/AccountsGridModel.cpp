#include "gui/workspace/AccountsGridModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "app/Global.h"
#include "base/GridColors.h"
#include "gui/app/GridDelegate.h"
#include "model/Account.h"
#include "workspace/AccountEntry.h"

namespace tf {

TAccountsGridModel::TAccountsGridModel(TGlobal& global, QObject* parent)
    : QAbstractTableModel(parent), Global_(global) {}

void TAccountsGridModel::SetAccounts(std::vector<TAccount*> accounts) {
  beginResetModel();
  Accounts_ = std::move(accounts);
  endResetModel();
}

TAccount* TAccountsGridModel::AccountAt(int row) const {
  if (row < 0 || row >= AccountCount()) return nullptr;
  return Accounts_[static_cast<std::size_t>(row)];
}

void TAccountsGridModel::Repaint() {
  emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

int TAccountsGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(1, AccountCount());
}

int TAccountsGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant TAccountsGridModel::BalanceData(const TAccount& account, int role) const {
  const TCurrency balance = account.FieldAt(TAccount::fBalance)->AsCurrency();
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(Global_.FormatAmount(balance));
    case Qt::ForegroundRole:
      return QBrush(ToQColor(balance.Raw >= 0 ? PositiveColor() : NegativeColor()));
    case Qt::FontRole: {
      QFont font;
      font.setBold(true);
      return font;
    }
    case Qt::TextAlignmentRole:
      return int(Qt::AlignRight | Qt::AlignBottom);
    default:
      return {};
  }
}

QVariant TAccountsGridModel::data(const QModelIndex& index, int role) const {
  const TAccount* account = AccountAt(index.row());
  if (account == nullptr) return {};
  if (index.column() == colBalance) return BalanceData(*account, role);
  if (role == Qt::DisplayRole)
    return QString::fromStdString(account->FieldAt(TAccount::fAccountName)->AsString());
  if (role == kSwatchRole)
    return ToQColor(AccountColourRgb(account->ListFieldAt(TAccount::lfAccountColour)->AsInteger()));
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignTop);
  return {};
}

QVariant TAccountsGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return section == colName ? QStringLiteral("Name") : QStringLiteral("Balance");
}

}  // namespace tf

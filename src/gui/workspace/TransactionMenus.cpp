#include "gui/workspace/TransactionMenus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "base/CategoryList.h"
#include "workspace/TransactionCommands.h"

namespace tf {
namespace {

// An '&' in a category name is shown as itself, not as a mnemonic marker.
QString Shown(const QString& caption) {
  QString text = caption;
  return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

TTransactionMenus::TTransactionMenus(QWidget* page) : QObject(page) {
  PopupMenuAccounts = new QMenu(page);
  PopupMenuAccounts->setObjectName(QStringLiteral("PopupMenuAccounts"));
  meuitemOpenAccount = PopupMenuAccounts->addAction(QStringLiteral("Open/Change (double click)"));
  meuitemAddAccount = PopupMenuAccounts->addAction(QStringLiteral("Add (Insert Key)"));
  meuitemDeleteAccount = PopupMenuAccounts->addAction(QStringLiteral("Delete (Delete Key)"));
  menuitemSplitAccounts1 = PopupMenuAccounts->addSeparator();
  PopupMenuAccounts->setDefaultAction(meuitemOpenAccount);

  PopupMenuTransactions = new QMenu(page);
  PopupMenuTransactions->setObjectName(QStringLiteral("PopupMenuTransactions"));
  QMenu& menu = *PopupMenuTransactions;
  mnuOpenTransaction = menu.addAction(QStringLiteral("Open/Change (double click)"));
  mnuAddTransaction = menu.addAction(QStringLiteral("Add (Insert Key)"));
  mnuDeleteTransaction = menu.addAction(QStringLiteral("Delete (Delete Key)"));
  menuitemSplitTransaction1 = menu.addSeparator();
  mnuCopyTransaction = menu.addAction(QStringLiteral("Copy"));
  mnuPasteTransaction = menu.addAction(QStringLiteral("Paste"));
  mnuCreateDepostTransferTransaction =
      menu.addAction(QStringLiteral("Copy as \"Transfer Deposit\""));
  N1 = menu.addSeparator();
  menuitemAssignto = menu.addMenu(QStringLiteral("Assign to..."));
  menuitemAssignto->setToolTipsVisible(true);
  QAction* placeHolder = menuitemAssignto->addAction(QStringLiteral("(place holder)"));
  placeHolder->setVisible(false);
  placeHolder->setEnabled(false);
  menuItemLock = menu.addAction(QStringLiteral("Lock/Unlock Auto Recognition"));
  N2 = menu.addSeparator();
  menuitemDuplicateto = menu.addAction(QStringLiteral("Duplicate to..."));
  N3 = menu.addSeparator();
  menuItemExporttoExcelFile = menu.addAction(QStringLiteral("Export to..."));
  menu.setDefaultAction(mnuOpenTransaction);

  popmRemoveDuups = new QMenu(page);
  popmRemoveDuups->setObjectName(QStringLiteral("popmRemoveDuups"));
  menuitemDeDuupDesc = popmRemoveDuups->addAction(
      QStringLiteral("Remove Duplicates by Date, Description and Amount"));
  menuitemDeDuupDateAmount =
      popmRemoveDuups->addAction(QStringLiteral("Remove Duplicates by Date and Amount"));
}

void TTransactionMenus::ApplyState(const TTransactionMenuState& state) {
  mnuCopyTransaction->setEnabled(state.Copy);
  mnuCreateDepostTransferTransaction->setEnabled(state.CopyAsDeposit);
  mnuPasteTransaction->setEnabled(state.Paste);
}

QAction* TTransactionMenus::AddCategoryItem(QMenu& menu, const QString& main,
                                            const QString& caption) {
  QAction* item = menu.addAction(Shown(caption));
  // The caption itself is kept apart from the shown text, which may carry "&&".
  item->setData(caption);
  connect(item, &QAction::triggered, this, [this, main, caption] {
    emit categoryChosen(FromStd(AssignedCategory(main.toStdString(), caption.toStdString())));
  });
  return item;
}

void TTransactionMenus::RebuildAssignMenu(const TCategoryList& categories) {
  menuitemAssignto->clear();
  // The menus of the main categories belong to the submenu, not to its actions.
  qDeleteAll(menuitemAssignto->findChildren<QMenu*>(Qt::FindDirectChildrenOnly));
  for (const TCategoryMenuGroup& group : CategoryMenuGroups(categories)) {
    const QString main = FromStd(group.Main);
    QMenu* mainItem = menuitemAssignto->addMenu(Shown(main));
    mainItem->menuAction()->setData(main);
    for (const std::string& sub : group.Subs) AddCategoryItem(*mainItem, main, FromStd(sub));
  }
  QAction* none = AddCategoryItem(*menuitemAssignto, menuitemAssignto->title(),
                                  QString::fromLatin1(kNoCategoryCaption));
  none->setToolTip(QStringLiteral("Remove category"));
  none->setStatusTip(none->toolTip());
}

}  // namespace tf

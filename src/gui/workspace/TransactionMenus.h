// The popup menus of the transactions page: the accounts grid's, the
// transactions grid's with its "Assign to..." categories, and the menu of
// the "Remove Duplicates" button. Captions are shown exactly as written;
// the page connects the items to its commands.
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace tf {

class TCategoryList;
struct TTransactionMenuState;

class TTransactionMenus : public QObject {
  Q_OBJECT

 public:
  explicit TTransactionMenus(QWidget* page);

  // Copy, Copy as "Transfer Deposit" and Paste offered as the state says.
  void ApplyState(const TTransactionMenuState& state);
  // "Assign to..." emptied and filled anew: one item per main category with
  // its sub-categories under it, then "n/a".
  void RebuildAssignMenu(const TCategoryList& categories);

  QMenu* PopupMenuAccounts;
  QAction* meuitemOpenAccount;
  QAction* meuitemAddAccount;
  QAction* meuitemDeleteAccount;
  QAction* menuitemSplitAccounts1;

  QMenu* PopupMenuTransactions;
  QAction* mnuOpenTransaction;
  QAction* mnuAddTransaction;
  QAction* mnuDeleteTransaction;
  QAction* menuitemSplitTransaction1;
  QAction* mnuCopyTransaction;
  QAction* mnuPasteTransaction;
  QAction* mnuCreateDepostTransferTransaction;
  QAction* N1;
  QMenu* menuitemAssignto;
  QAction* menuItemLock;
  QAction* N2;
  QAction* menuitemDuplicateto;
  QAction* N3;
  QAction* menuItemExporttoExcelFile;

  QMenu* popmRemoveDuups;
  QAction* menuitemDeDuupDesc;
  QAction* menuitemDeDuupDateAmount;

 signals:
  // A category item of "Assign to..." was chosen: the category it gives
  // (empty for "n/a").
  void categoryChosen(const QString& category);

 private:
  QAction* AddCategoryItem(QMenu& menu, const QString& main, const QString& caption);
};

}  // namespace tf

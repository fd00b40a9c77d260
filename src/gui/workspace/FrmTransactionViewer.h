// The "Accounts / Transactions" page: the accounts with their balances on
// the left, the selected account's transactions that pass the date range
// and the filter on the right, the commands on both (buttons, popup menus,
// keys, drag and drop) and the getting-started panel for new users.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "store/DateTime.h"
#include "workspace/DateRangeStep.h"
#include "workspace/ImportOutcome.h"
#include "workspace/TransactionCommands.h"

class QCheckBox;
class QDateEdit;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;
class QToolButton;

namespace tf {

class TAccount;
class TAccountsGridModel;
class TActivityStrip;
class TGlobal;
class THelpPanel;
class TTransactionDrag;
class TTransactionMenus;
class TTransactions;
class TTransactionsGridModel;
struct TWorkspaceDialogs;

class TfrmTransactionViewer : public QWidget {
  Q_OBJECT

 public:
  TfrmTransactionViewer(TGlobal& global, const TWorkspaceDialogs& dialogs,
                        QWidget* parent = nullptr);
  ~TfrmTransactionViewer() override;

  // Balances recalculated, the accounts grid rebuilt (the first account
  // selected) and its transactions shown.
  void RefreshAccounts();
  // Stores the view state and lists the account's transactions (none for
  // no account); the first listed one becomes the current row.
  void ShowTransactions(TAccount* account);
  bool IsTransactionListed(const TTransactions& row) const;
  void LayoutGrids();
  // Both grids read their rows anew at the next paint.
  void RepaintGrids();

  TAccount* SelectedAccount() const;
  TTransactions* SelectedTransaction() const;
  // The transaction shown in a row of the transactions grid (0 the first), or none.
  TTransactions* TransactionAtRow(int row) const;
  // The transactions of the selected block of rows, top to bottom.
  std::vector<TTransactions*> SelectedTransactions() const;
  // The selected block is one row (or none).
  bool IsSingleSelection() const;
  // The rows a command on the selection acts on: the selected transaction
  // alone for a single selection, else every transaction of the block.
  std::vector<TTransactions*> CommandTransactions() const;
  // Every transaction the grid lists, in grid order.
  std::vector<TTransactions*> ListedTransactions() const;
  void SelectTransactionById(const std::string& id);
  // The account under a point of the accounts grid's viewport, or none.
  TAccount* AccountAtPoint(const QPoint& point) const;
  std::string FilterText() const;
  TDateRange DateRange() const;

  // The date proposed for the next new transaction: now, until one is set.
  TDateTime NewTransactionDate();
  void SetNewTransactionDate(TDateTime date) { LastEntryDate_ = date; }
  // The copy slot; Deleted set means nothing has been copied.
  TTransactions& CopiedTransaction() { return *CopiedTransaction_; }

  // Open/Change: the row's editor, then what changed is recomputed, shown and saved.
  void OpenTransaction();
  void OpenAccount();

  // Dropping the selected rows of the transactions grid on a point of the
  // accounts grid's viewport: whether it is taken, and the copy.
  bool AcceptsDropAt(const QPoint& point) const;
  void DropOnAccountAt(const QPoint& point);

  // How "Recognise Transactions" applies the patterns to every account.
  std::function<void(TAccount& root)> Recognition;

  // Makes the account the selected one (its transactions listed); none or an
  // account not in the grid changes nothing.
  void SelectAccount(const TAccount* account);
  // The getting-started panel, whatever the preference says (F1, settings).
  void ShowHelpPanel();
  // A line above the grids saying what the last import or export did.
  void ShowNotice(const QString& text);

  QWidget* pnlTop;
  QLabel* lblAccountHeading;
  QLabel* lblTransactionsHeading;
  QLineEdit* edtTransactionsFilter;
  QToolButton* btnPreviousMonth;
  QDateEdit* dtpFrom;
  QLabel* lblto;
  QDateEdit* dtpTo;
  QToolButton* btnNextMonth;
  QCheckBox* chkIgnoreDates;
  QFrame* pnlNotice;
  QLabel* lblNotice;
  QPushButton* btnShowImported;
  QPushButton* btnImportIgnoreDates;
  QToolButton* btnCloseNotice;
  QTableView* grdAccounts;
  QTableView* grdMain;
  QWidget* pnlBottom;
  TActivityStrip* pboxActivity;
  QPushButton* btnAddAccount;
  QPushButton* btnDeleteAccount;
  QPushButton* btnTranAdd;
  QPushButton* btnTransDelete;
  QPushButton* btnRemoveDuups;
  QPushButton* btnImport;
  QPushButton* btnRecogniseTransactions;
  QPushButton* btnRecogniseManagement;
  THelpPanel* pnlAccountHelp;
  QFrame* pnlHigh1;
  QFrame* pnlHigh2;
  QFrame* pnlHigh3;
  QTimer* TimerFormShow;
  TTransactionMenus* Menus;
  TTransactionDrag* Drag;

 signals:
  // Open/Change on the accounts grid without an account: the add command.
  void addAccountRequested();

 public slots:
  void btnMonthClick(bool next);
  void chkIgnoreDatesClick();
  void dtpFromChange();
  void edtTransactionsFilterChange();
  void TimerFormShowTimer();
  void btnCloseHelpClick();

  void btnTranAddClick();
  // The button asks unless Shift, Alt or Ctrl was held on the click.
  void btnTransDeleteClick();
  void DeleteTransactions(bool confirm);
  void btnAddAccountClick();
  void btnDeleteAccountClick();
  void DeleteAccount(bool confirm);
  void mnuCopyTransactionClick(bool asDeposit = false);
  void mnuPasteTransactionClick();
  void menuitemDuplicatetoClick();
  void menuitemDeDuupDateAmountClick(TDuplicateRule rule);
  void AssignCategory(const QString& category);
  void menuItemLockClick();
  void btnRecogniseTransactionsClick();
  void btnRecogniseManagementClick();
  void menuItemExporttoExcelFileClick();
  void btnImportClick();
  // The offers after an import whose rows the list does not show: the
  // account that got them, with the range moved to their months (or dates
  // ignored).
  void btnShowImportedClick();
  void btnImportIgnoreDatesClick();
  // The activity strip's gesture: twenty made-up rows in the selected account.
  void AddActivityTestData();
  // Popup state and "Assign to..." worked out afresh each time the menu opens.
  void PopupMenuTransactionsPopup();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildTopStrip();
  void BuildGrids();
  void BuildBottomStrip();
  void BuildHelp();
  void BuildNotice();
  void ShowImportNotice();
  void SetTabOrder();
  void ConnectControls();
  void ConnectCommands();
  void ConnectMenus();
  QDateEdit* NewDatePicker();
  QPushButton* NewButton(const QString& caption, const QString& hint);
  void SetDateRange(const TDateRange& range);
  void ApplyIgnoreDates();
  void RestoreViewState();
  void PlaceHelpPanel();
  void ShowHighlight(QFrame* frame, QWidget* button, bool show);
  void dtpCloseUp(QDateEdit* picker);
  void AccountRowChanged();
  bool HandleGridKey(QTableView* grid, QEvent* event);
  bool HandleCommandKey(QTableView* grid, const QKeyEvent& key);
  int LastSelectedRow() const;
  // Sorted, recalculated, listed with the row of `id` selected, then saved.
  void AfterTransactionsAdded(TAccount& account, const std::string& id);

  TGlobal& Global_;
  const TWorkspaceDialogs& Dialogs_;
  TAccountsGridModel* AccountsModel_;
  TTransactionsGridModel* TransactionsModel_;
  std::unique_ptr<TTransactions> CopiedTransaction_;
  TDateTime LastEntryDate_ = 0;
  bool Shown_ = false;
  bool RebuildingAccounts_ = false;
  int PressedOpenKey_ = 0;
  Qt::KeyboardModifiers DeleteClickModifiers_;
  TImportOutcome LastImport_;
  std::vector<std::pair<QLineEdit*, QDateEdit*>> DatePickerEdits_;
};

}  // namespace tf

// The "Budgets" page: one calendar month of budget lines under their
// "Income" and "Expenses" sections, each with the month's actual amount,
// the editable budgeted amount and the difference, the totals below, and
// the commands that create, synchronise, change and export the month.
// Every command and every committed edit of a budgeted amount is saved.
#pragma once

#include <QAbstractItemDelegate>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "budgets/BudgetTotals.h"
#include "store/Currency.h"
#include "store/DateTime.h"

class QDateEdit;
class QFrame;
class QPushButton;
class QTableView;
class QToolButton;

namespace tf {

class TBudget;
class TBudgetGridDelegate;
class TBudgetGridModel;
class TBudgetMenus;
class TBudgetMonth;
class TBudgetTotalsModel;
class TGlobal;
struct TBudgetDialogs;
struct TWorkspaceDialogs;

class TfrmBudgetViewer : public QWidget {
  Q_OBJECT

 public:
  TfrmBudgetViewer(TGlobal& global, const TWorkspaceDialogs& dialogs,
                   const TBudgetDialogs& budgetDialogs, QWidget* parent = nullptr);
  ~TfrmBudgetViewer() override;

  // Lists the displayed month anew, its actual amounts recomputed; a
  // pending edit is saved first.
  void RefreshBudget();
  // The picker's date without time.
  TDateTime DisplayedMonth() const;
  // Shows the month of `date` unless the picker holds that date already.
  void ShowMonth(TDateTime date);
  void UpdateTotals();
  void LayoutBudgetGrids();

  // The listed month (none before the first refresh).
  const TBudgetMonth* Month() const { return Month_.get(); }
  const TBudgetTotals& Totals() const;
  // The budget line of the current grid row, or none.
  TBudget* CurrentLine() const;
  // Makes a cell of the budget grid current, as a click or the arrows do.
  void SelectCell(int row, int column);

 public slots:
  void btnMonthClick(bool next);
  void btnCreateBudgetClick();
  // "New Budget" (source 0) or "Copy from..." a month (its first day).
  void CreateMonthBudget(TDateTime source);
  void btnClearEmptyItemsClick();
  void Copyvaluefromlastmonth1Click();
  void menuitemChangeTypeIncomeExpenseClick();
  void menuitemAddnewbudgetitemClick();
  void btnExportClick();
  // The grid's popup at a point of the screen.
  void PopupGridMenu(const QPoint& globalPos);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildTopStrip();
  void BuildGrids();
  void BuildBottomStrip();
  void ConnectControls();
  void ConnectCommands();
  // Shows the rows the month lists now (after a command changed them).
  void ShowRows();
  int CurrentRow() const;
  int RowOfLine(const TBudget* line) const;
  void SelectLine(const TBudget* line, int column);
  void ChangeType(int row);
  void PlaceLine(bool selected);
  void SaveBudget();
  void CommitEdit();
  void BudgetedEdited(int row, const QString& text);
  void EditorOpened(QWidget* editor, int row);
  void EditorClosed(QWidget* editor, QAbstractItemDelegate::EndEditHint hint);
  void CloseEditor();
  void dtpDateChange();
  void grdMainMouseUp(const QPoint& point);
  bool HandleKey(const QKeyEvent& key);
  bool HandleEditorArrow(const QKeyEvent& key);

  TGlobal& Global_;
  const TWorkspaceDialogs& Dialogs_;
  const TBudgetDialogs& BudgetDialogs_;
  std::unique_ptr<TBudgetMonth> Month_;
  TBudgetGridModel* GridModel_;
  TBudgetTotalsModel* TotalsModel_;
  TBudgetGridDelegate* GridDelegate_ = nullptr;
  TBudgetMenus* Menus_ = nullptr;

  QWidget* pnlTop = nullptr;
  QToolButton* btnPreviousMonth = nullptr;
  QDateEdit* dtpDate = nullptr;
  QToolButton* btnNextMonth = nullptr;
  QTableView* grdMain = nullptr;
  QFrame* pnlLine = nullptr;
  QWidget* pnlBottom = nullptr;
  QPushButton* btnCreateBudget = nullptr;
  QPushButton* btnClearEmptyItems = nullptr;
  QPushButton* btnExport = nullptr;
  QTableView* grdTotals = nullptr;

  // The open Budgeted editor, its row and the amount it opened with (for Escape).
  QPointer<QWidget> Editor_;
  int EditRow_ = -1;
  TCurrency EditOriginal_;
  // Something was typed since the editor opened: the arrows then move the
  // cursor in the text instead of to the next cell.
  bool EditTyped_ = false;
  // A typed amount not yet saved.
  bool Dirty_ = false;
};

}  // namespace tf

// The budget page's two popup menus: "Create Budget" with "New Budget" and
// the "Copy from..." months (rebuilt on every opening), and the grid's menu.
#pragma once

#include <QObject>

#include "store/DateTime.h"

class QAction;
class QMenu;
class QWidget;

namespace tf {

class TBudgetMenus : public QObject {
  Q_OBJECT

 public:
  explicit TBudgetMenus(QWidget* parent);

  // "Copy from..." becomes the three years up to `today`'s, each with its
  // twelve months; a month's hint is its first day ("01 Jan 2024").
  void RebuildCopyFrom(TDateTime today);
  // Grid items that act on a line are enabled only when the current row has one.
  void ApplyLineState(bool hasLine);

  QMenu* PopupMenuCreateBudget;
  QAction* menuitemNewBudget;
  QMenu* mnuItemCopyfrom;
  QMenu* popmGridPopup;
  QAction* Copyvaluefromlastmonth1;
  QAction* menuitemChangeTypeIncomeExpense;
  QAction* menuitemAddnewbudgetitem;

 signals:
  // "New Budget" (source 0) or a month of "Copy from..." (its first day).
  void createBudgetChosen(TDateTime source);
};

}  // namespace tf

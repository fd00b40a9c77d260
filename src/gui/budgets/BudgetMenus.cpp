#include "gui/budgets/BudgetMenus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "base/Formats.h"
#include "budgets/BudgetMonth.h"

namespace tf {
namespace {

QAction* NewAction(QMenu* menu, const QString& caption, const char* name) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

void SetHint(QAction* action, const QString& hint) {
  action->setToolTip(hint);
  action->setStatusTip(hint);
}

}  // namespace

TBudgetMenus::TBudgetMenus(QWidget* parent) : QObject(parent) {
  PopupMenuCreateBudget = new QMenu(parent);
  PopupMenuCreateBudget->setObjectName(QStringLiteral("PopupMenuCreateBudget"));
  PopupMenuCreateBudget->setToolTipsVisible(true);
  menuitemNewBudget =
      NewAction(PopupMenuCreateBudget, QStringLiteral("New Budget"), "menuitemNewBudget");
  mnuItemCopyfrom = PopupMenuCreateBudget->addMenu(QStringLiteral("Copy from..."));
  mnuItemCopyfrom->setObjectName(QStringLiteral("mnuItemCopyfrom"));
  mnuItemCopyfrom->setToolTipsVisible(true);

  popmGridPopup = new QMenu(parent);
  popmGridPopup->setObjectName(QStringLiteral("popmGridPopup"));
  Copyvaluefromlastmonth1 =
      NewAction(popmGridPopup, QStringLiteral("Copy \"Actual\" value from last month"),
                "Copyvaluefromlastmonth1");
  popmGridPopup->addSeparator();
  menuitemChangeTypeIncomeExpense =
      NewAction(popmGridPopup, QStringLiteral("Change Type (Income / Expense)"),
                "menuitemChangeTypeIncomeExpense");
  menuitemAddnewbudgetitem =
      NewAction(popmGridPopup, QStringLiteral("Add new budget item"), "menuitemAddnewbudgetitem");

  connect(menuitemNewBudget, &QAction::triggered, this, [this] { emit createBudgetChosen(0); });
}

void TBudgetMenus::RebuildCopyFrom(TDateTime today) {
  // The old year menus are children of the menu; clear() leaves them alive.
  for (QAction* action : mnuItemCopyfrom->actions())
    if (action->menu() != nullptr) action->menu()->deleteLater();
  mnuItemCopyfrom->clear();
  for (const TBudgetSourceYear& year : CopySourceYears(today)) {
    QMenu* yearMenu = mnuItemCopyfrom->addMenu(QString::number(year.Year));
    yearMenu->setToolTipsVisible(true);
    SetHint(yearMenu->menuAction(), QStringLiteral("Year"));
    for (TDateTime month : year.Months) {
      int y = 0, m = 0, d = 0;
      DecodeDate(month, y, m, d);
      QAction* item = yearMenu->addAction(QString::fromLatin1(ShortMonthName(m)));
      const QString hint = QString::fromStdString(FormatDisplayDate(month));
      SetHint(item, hint);
      // The month comes back from the hint, as the menu shows it.
      connect(item, &QAction::triggered, this,
              [this, hint] { emit createBudgetChosen(ParseStatementDate(hint.toStdString())); });
    }
  }
}

void TBudgetMenus::ApplyLineState(bool hasLine) {
  Copyvaluefromlastmonth1->setEnabled(hasLine);
  menuitemChangeTypeIncomeExpense->setEnabled(hasLine);
}

}  // namespace tf

#include "gui/app/MainPages.h"

#include <QWidget>

#include "gui/app/WorkspaceDialogs.h"
#include "gui/budgets/BudgetDialogs.h"
#include "gui/budgets/FrmBudgetViewer.h"
#include "gui/calculators/FrmCalcMain.h"
#include "gui/reports/FrmReportView.h"
#include "gui/workspace/FrmTransactionViewer.h"

namespace tf {

TWorkspacePage EmptyPage(QWidget* parent) {
  return {new QWidget(parent), {}};
}

TMainPages DefaultMainPages(TGlobal& global) {
  TMainPages pages;
  pages.Transactions = [&global](QWidget* parent) {
    return TWorkspacePage{new TfrmTransactionViewer(global, DesktopDialogs(global), parent), {}};
  };
  pages.Budgets = [&global](QWidget* parent) {
    auto* page =
        new TfrmBudgetViewer(global, DesktopDialogs(global), DesktopBudgetDialogs(), parent);
    return TWorkspacePage{page, [page] { page->RefreshBudget(); }};
  };
  pages.Calculators = [&global](QWidget* parent) {
    return TWorkspacePage{new TfrmCalcMain(global, DesktopCalculatorDialogs(), parent), {}};
  };
  pages.Reports = [&global](QWidget* parent) {
    auto* view = new TfrmReportView(global, DesktopDialogs(global), parent);
    return TWorkspacePage{view, [view] { view->ShowReports(); }};
  };
  return pages;
}

}  // namespace tf

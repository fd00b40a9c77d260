#include "gui/app/MainPages.h"

#include <QWidget>

#include "gui/reports/FrmReportView.h"
#include "gui/workspace/FrmTransactionViewer.h"
#include "gui/workspace/WorkspaceDialogs.h"

namespace tf {

TWorkspacePage EmptyPage(QWidget* parent) {
  return {new QWidget(parent), {}};
}

TMainPages DefaultMainPages(TGlobal& global) {
  TMainPages pages;
  pages.Transactions = [&global](QWidget* parent) {
    return TWorkspacePage{new TfrmTransactionViewer(global, DesktopDialogs(), parent), {}};
  };
  pages.Reports = [&global](QWidget* parent) {
    auto* view = new TfrmReportView(global, DesktopDialogs(), parent);
    return TWorkspacePage{view, [view] { view->ShowReports(); }};
  };
  pages.Budgets = EmptyPage;
  pages.Calculators = EmptyPage;
  return pages;
}

}  // namespace tf

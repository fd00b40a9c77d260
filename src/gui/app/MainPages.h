// The four workspace pages of the main window and how each is made. A page
// is any widget; the budget and report pages also give the work to redo
// each time their tab is chosen. Adding a page is one constructor call in
// DefaultMainPages.
#pragma once

#include <functional>

class QWidget;

namespace tf {

class TGlobal;

struct TWorkspacePage {
  QWidget* Widget = nullptr;
  // Recomputes the page; the main window runs it each time the "Budgets" or
  // "Reports" tab is chosen. The other pages keep their content.
  std::function<void()> Refresh;
};

// Makes a page as a child of `parent`.
using TPageFactory = std::function<TWorkspacePage(QWidget* parent)>;

struct TMainPages {
  TPageFactory Transactions;
  TPageFactory Reports;
  TPageFactory Budgets;
  TPageFactory Calculators;
};

// The program's pages; a page not yet written is an empty widget.
TMainPages DefaultMainPages(TGlobal& global);

// An empty page: a plain widget with nothing to refresh.
TWorkspacePage EmptyPage(QWidget* parent);

}  // namespace tf

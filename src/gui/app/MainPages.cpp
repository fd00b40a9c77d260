#include "gui/app/MainPages.h"

#include <QWidget>

namespace tf {

TWorkspacePage EmptyPage(QWidget* parent) { return {new QWidget(parent), {}}; }

TMainPages DefaultMainPages(TGlobal& global) {
  (void)global;
  TMainPages pages;
  pages.Transactions = EmptyPage;
  pages.Reports = EmptyPage;
  pages.Budgets = EmptyPage;
  pages.Calculators = EmptyPage;
  return pages;
}

}  // namespace tf

// "Expense Line Report": the bar report's inputs, drawing one line per main
// category with a point per calendar month of the period widened to whole
// months. A click on a line hides it; "Show All" brings every line back.
#pragma once

#include "gui/reports/FrmExpenseBarReport.h"

namespace tf {

class TChartSeriesView;

class TfrmExpenseLineReport : public TfrmExpenseBarReport {
  Q_OBJECT

 public:
  TfrmExpenseLineReport(TGlobal& global, const TReportWindowDialogs& dialogs,
                        QWidget* parent = nullptr);

  void BuildChart() override;
  void CollectTransactions() override;
  // The lines of the last run, shown or hidden.
  std::vector<TChartSeriesView*> Lines() const;

  QPushButton* btnShowAll;
  QLabel* lblClickToHide;

 public slots:
  void btnShowAllClick();

 protected:
  void LayoutChart() override;

 private:
  void ShowLine(TChartSeriesView& series, const TExpenseLine& line);
};

}  // namespace tf

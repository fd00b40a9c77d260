// "Compare Months": the income and the expenses of two calendar months side
// by side, as rows of three horizontal bars (month 1, month 2 and the size
// of their difference): all income, income per main category, all expenses,
// expenses per main category. The chart can be saved as an image.
#pragma once

#include <QWidget>
#include <vector>

#include "reports/MonthCompare.h"

class QDateEdit;
class QLabel;
class QPushButton;

namespace tf {

class TAccountTickList;
class TChartSeriesView;
class TChartView;
class TGlobal;
class TTransactions;
struct TReportWindowDialogs;

class TfrmMonthCompare : public QWidget {
  Q_OBJECT

 public:
  TfrmMonthCompare(TGlobal& global, const TReportWindowDialogs& dialogs, QWidget* parent = nullptr);

  virtual void FillAccountList();
  // False, after a half-second flash of the account list, when no account is ticked.
  virtual bool CheckInput();
  virtual void BuildChart();

  TDateTime MonthOne() const;
  TDateTime MonthTwo() const;
  void SetMonths(TDateTime monthOne, TDateTime monthTwo);
  // The rows of the last run, in order.
  const std::vector<TMonthCompareRow>& Rows() const { return Rows_; }
  bool SaveChartImage(const QString& path, const char* format);

  QLabel* lblHeading;
  QLabel* lblDateRange;
  QDateEdit* dtpFrom;
  QLabel* lblto;
  QDateEdit* dtpTo;
  TAccountTickList* lbxAccounts;
  QPushButton* btnRunReport;
  QWidget* pnlChartArea;
  TChartView* chartCompare;
  TChartSeriesView* seriesMonth1;
  TChartSeriesView* seriesDiff;
  TChartSeriesView* SeriesMonth2;
  QPushButton* btnSaveAs;

 public slots:
  void btnRunReportClick();
  void btnSaveAsClick();

 private:
  void BuildControls();
  void BuildSeries();
  void BuildLayout();
  void CollectMonths();

  TGlobal& Global_;
  const TReportWindowDialogs& Dialogs_;
  std::vector<const TTransactions*> MonthOneTransactions_, MonthTwoTransactions_;
  std::vector<TMonthCompareRow> Rows_;
};

}  // namespace tf

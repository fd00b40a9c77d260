// The "Reports" page: four charts over the ticked accounts (Income vs.
// Expenses as bars or as a pie with a drill-down into categories, Spending
// by Category with its sub-categories, Trends, and This month and last
// month), the collapsing account list, and the charts exported as one image.
// The figures come from the core (ReportCharts); the page draws them.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "reports/ReportCharts.h"
#include "store/DateTime.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QSpinBox;
class QTimer;
class QToolButton;

namespace tf {

class TChartSeriesView;
class TChartView;
class TGlobal;
struct TWorkspaceDialogs;

class TfrmReportView : public QWidget {
  Q_OBJECT

 public:
  // `today` gives the current date and time (the pickers' start and the
  // comparison's end).
  TfrmReportView(TGlobal& global, const TWorkspaceDialogs& dialogs, QWidget* parent = nullptr,
                 std::function<TDateTime()> today = &Now);
  ~TfrmReportView() override;

  // Each visit of the tab: the month index, the account list (all ticked)
  // and every chart anew.
  void ShowReports();
  void FillAccountList();
  bool IsAccountSelected(const TAccount& account) const;
  void RefreshCharts();

  void BuildIncomeVsExpenses();
  void BuildIncomeExpenseBreakdown(TBreakdownSide side, const std::string& main);
  void BuildSpendingByCategory();
  void BuildSpendingBySubcategory(const std::string& main);
  void BuildTrends();
  void BuildMonthComparison();

  // The four charts as one bitmap, the pickers and buttons left out.
  QImage ChartsImage();
  TDateTime CompareMonth() const { return CompareMonth_; }

  TChartView* chartIncomeExpenses;
  TChartView* charExpensesByCategory;
  TChartView* chartTrends;
  TChartView* ChartCompare;

  TChartSeriesView* barseriesIncome;
  TChartSeriesView* barseriesTransfers;
  TChartSeriesView* barseriesExpenses;
  TChartSeriesView* pieIncomeVsExpenses;
  TChartSeriesView* pieIncomeVsExpensesMainCat;
  TChartSeriesView* pieseriesSpendingByCategory;
  TChartSeriesView* pieseriesSubcategories;
  TChartSeriesView* lineseriesIncome;
  TChartSeriesView* lineseriesExpenses;
  TChartSeriesView* lineseriesTransfers;
  TChartSeriesView* lineComparePreviousIncome;
  TChartSeriesView* lineComparePreviousExpenses;
  TChartSeriesView* lineCompareCurrentExpenses;
  TChartSeriesView* lineCompareCurrentIncome;

  QCheckBox* chkShowPie;
  QDateEdit* dtpIncomeVsExpenses;
  QCheckBox* chkIncomeVsExpensesMonth;  // the picker's tick box
  QDateEdit* dtpSpendingByCategory;
  QCheckBox* chkSpendingMonth;  // the picker's tick box
  QDateEdit* dtpTrends;         // shows the year; its month starts the year back
  QToolButton* btnPreviousMonthIncomeVsExpenses;
  QToolButton* btnNextMonthIncomeVsExpenses;
  QToolButton* btnPreviousMonthSpendingByCat;
  QToolButton* btnNextMonthSpendingByCat;
  QToolButton* btnPreviousMonthTrend;
  QToolButton* btnNextMonthTrend;
  QToolButton* btnPreviousMonth;
  QToolButton* btnNextMonth;
  QToolButton* btnIceberg;
  QLabel* lblSpendingByCatHelp;
  QListWidget* lbxAccounts;
  QTimer* timerMouseCheck;
  QPushButton* btnCopyAll;
  QMenu* popmExport;
  QAction* menuitemAsoneimage;
  QAction* menuitemtoClipboardasimage;
  QPushButton* btnMore;

 public slots:
  void btnMonthClick(QDateEdit* picker, int months);
  void btnTrendYearClick(int years);
  void btnCompareMonthClick(int months);
  void lbxAccountsTickChanged();
  void ExpandAccountList();
  void timerMouseCheckTimer();
  void btnCopyAllClick();
  // "as one image": BMP or PNG by the chosen filter.
  void menuitemAsoneimageClick();
  void menuitemtoClipboardasimageClick();
  void btnMoreClick();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildCharts();
  void BuildIncomeSeries();
  void BuildSpendingSeries();
  void BuildTrendSeries();
  void BuildCompareSeries();
  void BuildButtons();
  void ConnectControls();
  void ConnectCharts();
  void LayoutCharts();
  void PlaceControls();
  TChartScope Scope() const;
  TChartPeriod PiePeriod() const;
  TChartPeriod SpendingPeriod() const;
  TDateTime PickerDay(const QDateEdit& picker) const;
  void ShowPicture(TChartSeriesView& series, const TChartData& data);
  void TopPieClick(int index);
  void BreakdownClick(int index);
  void IncomeLegendClick(const QString& text);
  void SpendingLegendClick(const QString& text);
  void SetControlsShown(bool shown);
  void CollapseAccountList();

  TGlobal& Global_;
  const TWorkspaceDialogs& Dialogs_;
  std::function<TDateTime()> Today_;
  TDateTime CompareMonth_ = 0;
  bool BreakdownAtSubLevel_ = false;
  bool Filling_ = false;
};

}  // namespace tf

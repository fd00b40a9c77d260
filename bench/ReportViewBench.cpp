// The reports page on offscreen widgets over five accounts sharing 1,000,
// 10,000 and 100,000 transactions across ten years and the 50 default
// categories: the four charts' figures alone (the pies over a month and
// over all transactions), one visit of the tab up to the painted page, and
// a drill-down click on the category pie up to the repainted chart.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <cstdlib>
#include <memory>

#include "SampleData.h"
#include "app/Global.h"
#include "gui/app/FormLook.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/reports/ChartView.h"
#include "gui/reports/FrmReportView.h"
#include "reports/ReportCharts.h"

namespace {

using namespace tf;

// The pickers stand in March 2004, the last year of the data.
TDateTime PickerDay() {
  return EncodeDate(2004, 3, 31) + 0.5;
}

struct TPage {
  int Size = 0;
  std::unique_ptr<TfrmReportView> View;

  static TPage& Instance() {
    static TPage page;
    return page;
  }
  static TPage& For(int transactions) {
    TPage& page = Instance();
    if (page.Size != transactions) page.Build(transactions);
    return page;
  }

  void Build(int transactions) {
    View.reset();
    Global().Reset();
    bench::FillAccounts(Global().Accounts, transactions, 10);
    Global().Accounts.RebuildCategoryList();
    Global().Accounts.RecalculateBalances();
    View =
        std::make_unique<TfrmReportView>(Global(), DesktopDialogs(Global()), nullptr, &PickerDay);
    View->resize(1100, 700);
    View->show();
    View->ShowReports();
    QApplication::processEvents();
    Size = transactions;
  }
};

TChartScope Scope() {
  return WholeScope(Global().Accounts, Global().Categories.Entries());
}

// Everything RefreshCharts computes; `all` leaves the pies' date boxes unticked.
void BM_ChartData(benchmark::State& state) {
  TPage::For(static_cast<int>(state.range(0)));
  const bool all = state.range(1) != 0;
  const TChartPeriod period = all ? TChartPeriod{} : MonthPeriod(PickerDay());
  for (auto _ : state) {
    const TChartScope scope = Scope();
    benchmark::DoNotOptimize(IncomeVsExpensesBars(scope, PickerDay()));
    benchmark::DoNotOptimize(IncomeVsExpensesPie(scope, period));
    benchmark::DoNotOptimize(SpendingByCategory(scope, period));
    benchmark::DoNotOptimize(Trends(scope, PickerDay(), false));
    benchmark::DoNotOptimize(MonthComparison(scope, PickerDay(), PickerDay()));
  }
}

// One visit of the tab: the account list, all four charts and the paint.
void BM_ShowReports(benchmark::State& state) {
  TPage& page = TPage::For(static_cast<int>(state.range(0)));
  page.View->chkSpendingMonth->setChecked(state.range(1) == 0);
  for (auto _ : state) {
    page.View->ShowReports();
    page.View->repaint();
  }
  page.View->chkSpendingMonth->setChecked(true);
}

// A slice click on "Spending by Category" down to the sub-categories, and
// the click back, each up to the repainted chart.
void BM_DrillDown(benchmark::State& state) {
  TPage& page = TPage::For(static_cast<int>(state.range(0)));
  bool down = true;
  for (auto _ : state) {
    if (down)
      page.View->BuildSpendingBySubcategory("Food");
    else
      page.View->BuildSpendingByCategory();
    down = !down;
    page.View->charExpensesByCategory->repaint();
  }
}

BENCHMARK(BM_ChartData)
    ->ArgsProduct({{1000, 10000, 100000}, {0, 1}})
    ->ArgNames({"", "all"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowReports)
    ->ArgsProduct({{1000, 10000, 100000}, {0, 1}})
    ->ArgNames({"", "all"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrillDown)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  QApplication::setFont(tf::FormFont());
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  TPage::Instance().View.reset();
  tf::Global().Reset();
  return 0;
}

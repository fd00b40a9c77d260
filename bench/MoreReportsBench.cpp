// The reports of the report chooser on offscreen widgets over five accounts
// sharing 1,000, 10,000 and 100,000 transactions across ten years
// (1995-2004) and the 50 default categories: each "Run Report" up to the
// repainted chart, over the last year and over all ten, and the financial
// year document (built, not saved).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <cstdlib>
#include <memory>

#include "SampleData.h"
#include "app/Global.h"
#include "gui/app/FormLook.h"
#include "gui/reports/ChartView.h"
#include "gui/reports/FrmExpenseBarReport.h"
#include "gui/reports/FrmExpenseLineReport.h"
#include "gui/reports/FrmMonthCompare.h"
#include "gui/reports/ReportWindowDialogs.h"
#include "reports/FinancialYearReport.h"

namespace {

using namespace tf;

// The data set of one size, built once for every benchmark of that size.
void UseData(int transactions) {
  static int size = 0;
  if (size == transactions) return;
  Global().Reset();
  bench::FillAccounts(Global().Accounts, transactions, 10);
  Global().Accounts.RebuildCategoryList();
  Global().Accounts.RecalculateBalances();
  size = transactions;
}

TPeriod PeriodOf(bool allYears) {
  return {EncodeDate(allYears ? 1995 : 2004, 1, 1), EncodeDate(2004, 12, 31)};
}

template <class TReport>
std::unique_ptr<TReport> ShownReport() {
  auto report = std::make_unique<TReport>(Global(), DesktopReportWindowDialogs());
  report->resize(900, 700);
  report->show();
  QApplication::processEvents();
  return report;
}

template <class TReport>
void RunExpenseReport(benchmark::State& state) {
  UseData(static_cast<int>(state.range(0)));
  auto report = ShownReport<TReport>();
  for (auto _ : state) {
    report->SetPeriod(PeriodOf(state.range(1) != 0));
    report->btnRunReport->click();
    report->chartExpenses->repaint();
  }
}

void BM_ExpenseBarRun(benchmark::State& state) {
  RunExpenseReport<TfrmExpenseBarReport>(state);
}

void BM_ExpenseLineRun(benchmark::State& state) {
  RunExpenseReport<TfrmExpenseLineReport>(state);
}

void BM_MonthCompareRun(benchmark::State& state) {
  UseData(static_cast<int>(state.range(0)));
  auto report = ShownReport<TfrmMonthCompare>();
  report->SetMonths(EncodeDate(2004, 2, 1), EncodeDate(2004, 3, 1));
  for (auto _ : state) {
    report->btnRunReport->click();
    report->chartCompare->repaint();
  }
}

void BM_FinancialYearDocument(benchmark::State& state) {
  UseData(static_cast<int>(state.range(0)));
  const TPeriod period = PeriodOf(state.range(1) != 0);
  for (auto _ : state)
    benchmark::DoNotOptimize(FinancialYearReport(Global().Accounts, period.From, period.To));
}

BENCHMARK(BM_ExpenseBarRun)
    ->ArgsProduct({{1000, 10000, 100000}, {0, 1}})
    ->ArgNames({"", "all"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpenseLineRun)
    ->ArgsProduct({{1000, 10000, 100000}, {0, 1}})
    ->ArgNames({"", "all"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MonthCompareRun)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FinancialYearDocument)
    ->ArgsProduct({{1000, 10000, 100000}, {0, 1}})
    ->ArgNames({"", "all"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  QApplication::setFont(tf::FormFont());
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  tf::Global().Reset();
  return 0;
}

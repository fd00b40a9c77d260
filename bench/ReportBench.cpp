// The financial year report over every transaction of 1,000, 10,000 and
// 100,000 (collect, order and write the document), as the report page and
// `tallyfold-cli report finyear` make it.
#include <benchmark/benchmark.h>

#include "SampleData.h"
#include "app/Global.h"
#include "reports/FinancialYearReport.h"
#include "store/DateTime.h"

namespace tf::bench {
namespace {

void BM_FinancialYearReport(benchmark::State& state) {
  TAccount& root = Global().Accounts;
  root.Rows().Clear();
  FillAccounts(root, static_cast<int>(state.range(0)), 10);
  root.RecalculateBalances();
  const TDateTime from = EncodeDate(1995, 1, 1), to = EncodeDate(2004, 12, 31);
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string document = FinancialYearReport(root, from, to);
    bytes = document.size();
    benchmark::DoNotOptimize(document.data());
  }
  state.counters["rows"] = static_cast<double>(CollectReportTransactions(root, from, to).size());
  state.counters["document_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_FinancialYearReport)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tf::bench

BENCHMARK_MAIN();

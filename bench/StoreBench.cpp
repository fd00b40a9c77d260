// Loading and saving the data file at three sizes: 10,000, 100,000 and
// 1,000,000 transactions in five accounts.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "SampleData.h"
#include "model/Transactions.h"
#include "store/DataFile.h"

namespace tf::bench {
namespace {

// Peak resident memory since the last reset, in bytes (Linux).
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }
double PeakMemory() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) * 1024.0;
  return 0;
}

void AddSizes(benchmark::State& state, const std::string& path) {
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
}

void BM_Load(benchmark::State& state) {
  const std::string path = SampleFile(static_cast<int>(state.range(0)));
  double peak = 0, content = 0;
  for (auto _ : state) {
    ResetPeakMemory();
    TAccount root;
    root.LoadFromFile(path, true);
    peak = PeakMemory();
    state.PauseTiming();
    std::string bytes;
    root.SaveToStream(bytes);
    content = static_cast<double>(bytes.size());
    state.ResumeTiming();
  }
  AddSizes(state, path);
  state.counters["content_MB"] = content / 1e6;
  state.counters["peak_MB"] = peak / 1e6;
  state.counters["peak_x_content"] = peak / content;
}

void BM_SaveEverything(benchmark::State& state) {
  TAccount root;
  FillAccounts(root, static_cast<int>(state.range(0)));
  const std::string path = (std::filesystem::temp_directory_path() / "tallyfold-bench-save.tfold").string();
  for (auto _ : state) {
    root.SaveToFile(path, true);
    state.PauseTiming();
    // A change in every account's first row makes every part new.
    for (int a = 0; a < root.RowCount(); ++a)
      root.AccountAt(a)->TransactionsTable()->TransactionAt(0)->FieldAt(TTransactions::fDescription)
          ->SetValue(TVariant::String("changed " + std::to_string(state.iterations())));
    state.ResumeTiming();
  }
  AddSizes(state, path);
}

void BM_SaveAfterOneChange(benchmark::State& state) {
  TAccount root;
  FillAccounts(root, static_cast<int>(state.range(0)));
  const std::string path = (std::filesystem::temp_directory_path() / "tallyfold-bench-save1.tfold").string();
  root.SaveToFile(path, true);
  TTransactions* table = root.AccountAt(2)->TransactionsTable();
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    TTransactions* row = table->TransactionAt(table->RowCount() / 2 + round % 7);
    row->FieldAt(TTransactions::fDescription)->SetValue(TVariant::String("edited " + std::to_string(++round)));
    state.ResumeTiming();
    root.SaveToFile(path, true);
  }
  AddSizes(state, path);
}

BENCHMARK(BM_Load)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SaveEverything)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SaveAfterOneChange)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace tf::bench

BENCHMARK_MAIN();

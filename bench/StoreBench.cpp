// Loading and saving the data file at three sizes: 10,000, 100,000 and
// 1,000,000 transactions in five accounts; the first save after a load and a
// shutdown with nothing changed, as a new process meets them.
// `bench_store --write-sample N` writes the sample file of N transactions and
// prints its path (for bench/save-process.sh).
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "SampleData.h"
#include "app/Global.h"
#include "model/Transactions.h"
#include "store/BlockDeflater.h"
#include "store/DataFile.h"

namespace tf::bench {
namespace {

// Peak resident memory since the last reset, in bytes (Linux).
void ResetPeakMemory() {
  std::ofstream("/proc/self/clear_refs") << "5";
}
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

double ContentSize(const TBone& root) {
  std::string bytes;
  root.SaveToStream(bytes);
  return static_cast<double>(bytes.size());
}

void BM_SaveEverything(benchmark::State& state) {
  TAccount root;
  FillAccounts(root, static_cast<int>(state.range(0)));
  const std::string path =
      (std::filesystem::temp_directory_path() / "tallyfold-bench-save.tfold").string();
  const double content = ContentSize(root);
  double peak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ResetPeakMemory();
    state.ResumeTiming();
    root.SaveToFile(path, true);
    peak = PeakMemory();
    state.PauseTiming();
    // A change in every account's first row makes every part new.
    for (int a = 0; a < root.RowCount(); ++a)
      root.AccountAt(a)
          ->TransactionsTable()
          ->TransactionAt(0)
          ->FieldAt(TTransactions::fDescription)
          ->SetValue(TVariant::String("changed " + std::to_string(state.iterations())));
    state.ResumeTiming();
  }
  AddSizes(state, path);
  state.counters["content_MB"] = content / 1e6;
  state.counters["peak_MB"] = peak / 1e6;
  state.counters["peak_x_content"] = peak / content;
}

// A new process: the file read, one row changed, saved. The blocks learnt
// from the file are copied; only those around the change are compressed.
void BM_FirstSaveAfterLoad(benchmark::State& state) {
  const std::string sample = SampleFile(static_cast<int>(state.range(0)));
  const std::string path =
      (std::filesystem::temp_directory_path() / "tallyfold-bench-first.tfold").string();
  double peak = 0, content = 0;
  TDeflateStats stats;
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::copy_file(sample, path, std::filesystem::copy_options::overwrite_existing);
    TBlockDeflater::ForgetBlocks();
    auto owned = std::make_unique<TAccount>();
    TAccount& root = *owned;
    root.LoadFromFile(path, true);
    TTransactions* table = root.AccountAt(2)->TransactionsTable();
    table->TransactionAt(table->RowCount() / 2)
        ->FieldAt(TTransactions::fDescription)
        ->SetValue(TVariant::String("edited in a new process"));
    content = ContentSize(root);
    ResetPeakMemory();
    state.ResumeTiming();
    root.SaveToFile(path, true);
    state.PauseTiming();
    peak = PeakMemory();
    stats = DeflateStats();
    owned.reset();
    state.ResumeTiming();
  }
  AddSizes(state, path);
  state.counters["blocks_reused"] = static_cast<double>(stats.BlocksReused);
  state.counters["blocks_compressed"] = static_cast<double>(stats.BlocksCompressed);
  state.counters["peak_x_content"] = peak / content;
}

// The window's shutdown after a load with nothing changed: purge, then the
// save that finds nothing to write.
void BM_ShutDownUnchanged(benchmark::State& state) {
  const std::string sample = SampleFile(static_cast<int>(state.range(0)));
  const std::string path =
      (std::filesystem::temp_directory_path() / "tallyfold-bench-close.tfold").string();
  std::filesystem::copy_file(sample, path, std::filesystem::copy_options::overwrite_existing);
  // As the program leaves a file: with the balances it computes on opening.
  Global().Reset();
  Global().SetDataFilePath(path);
  if (!Global().OpenDataFile()) state.SkipWithError("the sample did not open");
  Global().ShutDown();
  const auto written = std::filesystem::last_write_time(path);
  for (auto _ : state) {
    state.PauseTiming();
    Global().Reset();
    Global().SetDataFilePath(path);
    if (!Global().OpenDataFile()) state.SkipWithError("the sample did not open");
    state.ResumeTiming();
    Global().ShutDown();
  }
  if (std::filesystem::last_write_time(path) != written)
    state.SkipWithError("the file was rewritten");
  Global().Reset();
}

void BM_SaveAfterOneChange(benchmark::State& state) {
  TAccount root;
  FillAccounts(root, static_cast<int>(state.range(0)));
  const std::string path =
      (std::filesystem::temp_directory_path() / "tallyfold-bench-save1.tfold").string();
  root.SaveToFile(path, true);
  TTransactions* table = root.AccountAt(2)->TransactionsTable();
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    TTransactions* row = table->TransactionAt(table->RowCount() / 2 + round % 7);
    row->FieldAt(TTransactions::fDescription)
        ->SetValue(TVariant::String("edited " + std::to_string(++round)));
    state.ResumeTiming();
    root.SaveToFile(path, true);
  }
  AddSizes(state, path);
}

BENCHMARK(BM_Load)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_SaveEverything)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_SaveAfterOneChange)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_FirstSaveAfterLoad)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_ShutDownUnchanged)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace tf::bench

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--write-sample") == 0) {
    std::cout << tf::bench::SampleFile(std::stoi(argv[2])) << '\n';
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// The monthly category report on 10,000, 100,000 and 1,000,000 transactions
// over ten years in five accounts: the one pass that sums them, and the CSV
// that `tallyfold-cli report monthly` prints. With --write-samples DIR it
// writes the same data sets as data files and as ledger journals instead,
// for timing whole processes (bench/monthly-report-process.sh).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "SampleData.h"
#include "model/Transactions.h"
#include "reports/MonthlyCategoryReport.h"
#include "reports/MonthlyReportText.h"
#include "store/DateTime.h"

namespace tf::bench {
namespace {

constexpr int kYears = 10;
constexpr int kSizes[] = {10'000, 100'000, 1'000'000};

// One data set per size, kept between the benchmarks of that size.
const TAccount& Sample(int transactions) {
  static TAccount root;
  static int filled = -1;
  if (filled != transactions) {
    root.Rows().Clear();
    FillAccounts(root, transactions, kYears);
    filled = transactions;
  }
  return root;
}

TMonthlyReportRequest WholePeriod(const TAccount& root) {
  TMonthlyReportRequest request;
  for (int a = 0; a < root.RowCount(); ++a) request.Accounts.push_back(root.AccountAt(a));
  request.From = TReportMonth{1995, 1};
  request.To = TReportMonth{1995 + kYears - 1, 12};
  return request;
}

void BM_MonthlyReport(benchmark::State& state) {
  const TAccount& root = Sample(static_cast<int>(state.range(0)));
  const TMonthlyReportRequest request = WholePeriod(root);
  for (auto _ : state) {
    const TMonthlyReport report = BuildMonthlyReport(request);
    benchmark::DoNotOptimize(report.Net.Total);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_MonthlyReportCsv(benchmark::State& state) {
  const TAccount& root = Sample(static_cast<int>(state.range(0)));
  const TMonthlyReportRequest request = WholePeriod(root);
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string csv = MonthlyReportCsv(BuildMonthlyReport(request));
    bytes = csv.size();
    benchmark::DoNotOptimize(csv.data());
  }
  state.counters["csv_KB"] = static_cast<double>(bytes) / 1e3;
}

BENCHMARK(BM_MonthlyReport)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MonthlyReportCsv)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

// "Main - sub" as a ledger account below Income or Expenses.
std::string LedgerAccount(const TTransactions& row) {
  std::string category = row.FieldAt(TTransactions::fCategory)->AsString();
  if (category.empty()) category = "n/a";
  for (std::size_t at; (at = category.find(" - ")) != std::string::npos;)
    category.replace(at, 3, ":");
  return (row.GetTransactionType() == ttIncome ? "Income:" : "Expenses:") + category;
}

// The same transactions as a journal that ledger and hledger read.
void WriteJournal(const TAccount& root, const std::string& path) {
  std::ofstream out(path, std::ios::binary);
  char date[16];
  for (int a = 0; a < root.RowCount(); ++a) {
    const TAccount* account = root.AccountAt(a);
    const std::string name = "Assets:" + account->FieldAt(TAccount::fAccountName)->AsString();
    const TTransactions* table = account->TransactionsTable();
    for (int i = 0; i < table->RowCount(); ++i) {
      const TTransactions* row = table->TransactionAt(i);
      int y, m, d;
      row->DecodedDate(y, m, d);
      std::snprintf(date, sizeof date, "%04d-%02d-%02d", y, m, d);
      const std::string amount = CurrencyToText(row->FieldAt(TTransactions::fAmount)->AsCurrency());
      out << date << ' ' << row->FieldAt(TTransactions::fDescription)->AsString() << "\n    "
          << name << "  " << amount << "\n    " << LedgerAccount(*row) << "\n\n";
    }
  }
}

void WriteSamples(const std::string& folder) {
  std::filesystem::create_directories(folder);
  for (int size : kSizes) {
    const std::string base = folder + "/monthly-" + std::to_string(size);
    TAccount root;
    FillAccounts(root, size, kYears);
    root.SaveToFile(base + ".tfold", true);
    WriteJournal(root, base + ".journal");
    std::cout << base << ".tfold and .journal\n";
  }
}

}  // namespace
}  // namespace tf::bench

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--write-samples") == 0) {
    tf::bench::WriteSamples(argv[2]);
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

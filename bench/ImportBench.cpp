// The duplicate pass of the statement import: 1,000 statement rows checked
// against an account of 10,000, 100,000 and 1,000,000 transactions, half of
// the rows already imported.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "import/StatementImport.h"
#include "model/Account.h"
#include "model/Transactions.h"

namespace tf::bench {
namespace {

constexpr int kStatementRows = 1000;

std::string StatementLine(int n) {
  return std::to_string(20080101 + n % 28) + ",PAYMENT TO SUPPLIER " + std::to_string(n) + ",-" +
         std::to_string(n % 997) + ".50," + std::to_string(n * 3) + ".25";
}

void FillAccount(TAccount& account, int transactions) {
  TTransactions* table = account.TransactionsTable();
  table->Rows().Reserve(static_cast<std::size_t>(transactions));
  for (int n = 0; n < transactions; ++n) {
    TTransactions* row = table->NewTransaction();
    row->FieldAt(TTransactions::fRawLineData)->SetValue(TVariant::String(StatementLine(n)));
  }
}

// Rows from the end of the account's lines onwards: the first half known.
std::vector<TCSVLineData> Statement(int transactions) {
  std::vector<TCSVLineData> rows(kStatementRows);
  for (int i = 0; i < kStatementRows; ++i) {
    rows[static_cast<std::size_t>(i)].RawLine =
        StatementLine(transactions - kStatementRows / 2 + i);
  }
  return rows;
}

void BM_MarkDuplicates(benchmark::State& state) {
  const int transactions = static_cast<int>(state.range(0));
  TAccount root;
  TAccount* account = root.NewAccount();
  FillAccount(*account, transactions);
  std::vector<TCSVLineData> rows = Statement(transactions);
  int marked = 0;
  for (auto _ : state) {
    marked = MarkDuplicates(rows, *account, {});
    benchmark::DoNotOptimize(marked);
  }
  state.counters["duplicates"] = marked;
  state.counters["transactions"] = transactions;
}
BENCHMARK(BM_MarkDuplicates)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tf::bench

BENCHMARK_MAIN();

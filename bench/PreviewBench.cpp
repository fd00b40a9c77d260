// The import dialog's work before anything is imported: the preview of
// 1,000, 10,000 and 100,000 statement rows (half imported before, the rest
// recognised against ten patterns) into an account of 100,000 transactions,
// redone whenever the account or the zero box changes; and telling the
// layout of a statement from its first lines, for each built-in layout.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "import/StatementPreview.h"
#include "import/StatementRecognition.h"
#include "model/Account.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"

namespace tf::bench {
namespace {

constexpr int kAccountRows = 100'000;

std::string StatementLine(int n) {
  return std::to_string(20080101 + n % 28) + ",POS PURCHASE SHOP " + std::to_string(n % 700) +
         " REF " + std::to_string(n) + ",-" + std::to_string(n % 997) + ".50," +
         std::to_string(n * 3) + ".25";
}

void FillAccount(TAccount& account) {
  TTransactions* table = account.TransactionsTable();
  table->Rows().Reserve(static_cast<std::size_t>(kAccountRows));
  for (int n = 0; n < kAccountRows; ++n) {
    TTransactions* row = table->NewTransaction();
    row->FieldAt(TTransactions::fRawLineData)->SetValue(TVariant::String(StatementLine(n)));
  }
}

void AddPatterns(TAccount& root) {
  const char* const matches[] = {"WOOLWORTHS", "ENGEN",      "SALARY",    "VODACOM",  "SHOP 1",
                                 "REF 99",     "CITY POWER", "DISCOVERY", "TAKEALOT", "PICK N PAY"};
  for (const char* match : matches) {
    TImportSettings* pattern = root.PatternTable()->NewPattern();
    pattern->FieldAt(TImportSettings::fMatchValue)->SetValue(TVariant::String(match));
    pattern->SetMatchType(mtContains);
    pattern->FieldAt(TImportSettings::fCategoryName)
        ->SetValue(TVariant::String("Food - groceries"));
  }
}

// Rows from the end of the account's lines onwards: the first half known.
std::vector<TCSVLineData> Statement(int rows) {
  std::vector<TCSVLineData> statement(static_cast<std::size_t>(rows));
  for (int i = 0; i < rows; ++i) {
    TCSVLineData& row = statement[static_cast<std::size_t>(i)];
    const int n = kAccountRows - rows / 2 + i;
    row.RawLine = StatementLine(n);
    row.Description = "POS PURCHASE SHOP " + std::to_string(n % 700) + " REF " + std::to_string(n);
    row.Date = 39448 + n % 28;
    row.Amount = TCurrency::FromRaw(-(n % 997) * 10000 - 5000);
  }
  return statement;
}

void BM_PreviewStatementImport(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  TAccount root;
  AddPatterns(root);
  TAccount* account = root.NewAccount();
  FillAccount(*account);
  const std::vector<TCSVLineData> statement = Statement(rows);
  TImportPreview preview;
  for (auto _ : state) {
    preview = PreviewStatementImport(root, *account, statement, true);
    benchmark::DoNotOptimize(preview.Rows.data());
  }
  state.counters["new"] = preview.NewRows;
  state.counters["duplicates"] = preview.Duplicates;
}
BENCHMARK(BM_PreviewStatementImport)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

void BM_RecogniseStatementFormat(benchmark::State& state) {
  std::vector<std::string> lines = {"Date,Description,Amount,Balance"};
  for (int n = 0; n < 100; ++n) lines.push_back(StatementLine(n));
  int format = 0;
  for (auto _ : state) {
    format = RecogniseStatementFormat(lines)->Format;
    benchmark::DoNotOptimize(format);
  }
  state.counters["format"] = format;
}
BENCHMARK(BM_RecogniseStatementFormat)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tf::bench

BENCHMARK_MAIN();

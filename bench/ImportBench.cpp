// The statement import: the duplicate pass of 1,000 statement rows checked
// against an account of 10,000, 100,000 and 1,000,000 transactions, half of
// the rows already imported; and a whole 10,000-line OFX statement parsed and
// imported into an account of 100,000 (recognition included, no save).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "import/StatementFormats.h"
#include "import/StatementImport.h"
#include "model/Account.h"
#include "model/ImportSettings.h"
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

// An OFX statement of `lines` transactions in the one-line-per-tag form banks write.
std::string OfxStatementFile(int lines) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("tallyfold-bench-" + std::to_string(lines) + ".ofx"))
                               .string();
  std::ofstream out(path, std::ios::binary);
  out << "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nCHARSET:1252\r\n\r\n"
         "<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKTRANLIST>\r\n";
  char amount[32];
  for (int i = 0; i < lines; ++i) {
    std::snprintf(amount, sizeof amount, "%s%d.%02d", i % 9 == 0 ? "" : "-", 10 + i % 4000,
                  i % 100);
    out << "<STMTTRN>\r\n<TRNTYPE>" << (i % 9 == 0 ? "CREDIT" : "DEBIT") << "\r\n<DTPOSTED>"
        << 20200101 + (i / 300) % 28 << "\r\n<TRNAMT>" << amount << "\r\n<FITID>" << 900000 + i
        << "\r\n<NAME>POS PURCHASE SHOP " << i % 700 << "\r\n<MEMO>CARD PURCHASE REF " << i
        << "\r\n</STMTTRN>\r\n";
  }
  out << "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\r\n";
  return path;
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

void BM_ParseAndImportStatement(benchmark::State& state) {
  constexpr int kLines = 10'000;
  const int transactions = static_cast<int>(state.range(0));
  const std::string file = OfxStatementFile(kLines);
  TImportResult result;
  for (auto _ : state) {
    state.PauseTiming();
    TAccount root;
    AddPatterns(root);
    TAccount* account = root.NewAccount();
    FillAccount(*account, transactions);
    state.ResumeTiming();
    std::unique_ptr<TCSVParser> parser = CreateStatementParser(5);
    parser->LoadStatement(file);
    result = ImportLines(root, *account, parser->Lines, true, {});
    state.PauseTiming();
    root.Rows().Clear();  // freeing the rows is no part of the import
    state.ResumeTiming();
  }
  state.counters["imported"] = result.Imported;
}
BENCHMARK(BM_ParseAndImportStatement)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace tf::bench

BENCHMARK_MAIN();

// The model's work behind the pages, on 1,000, 10,000 and 100,000
// transactions over ten years in five accounts: building the month index,
// the sums one visit of the reports page asks for, and the running balances
// and date order of the largest account.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "SampleData.h"
#include "app/Global.h"
#include "model/Transactions.h"

namespace tf::bench {
namespace {

constexpr int kYears = 10;
constexpr int kTypes[] = {ttIncome, ttExpense, ttTransfer};

// The data set in Global(), as the program holds it, kept between runs of the same size.
void LoadSample(int transactions) {
  static int loaded = -1;
  if (loaded == transactions) return;
  Global().Accounts.Rows().Clear();
  FillAccounts(Global().Accounts, transactions, kYears);
  Global().Accounts.RecalculateBalances();
  Global().Accounts.RebuildCategoryList();
  Global().ClearMonthIndex();
  loaded = transactions;
}

TAccount& LargestAccount() {
  TAccount* largest = Global().Accounts.AccountAt(0);
  for (int a = 1; a < Global().Accounts.RowCount(); ++a) {
    TAccount* account = Global().Accounts.AccountAt(a);
    if (account->TransactionsTable()->RowCount() > largest->TransactionsTable()->RowCount())
      largest = account;
  }
  return *largest;
}

double SumOverAccounts(int year, int month, int day, int type) {
  double sum = 0;
  for (int a = 0; a < Global().Accounts.RowCount(); ++a)
    sum += Global().Accounts.AccountAt(a)->TransactionsTable()->SumByType(year, month, day, type);
  return sum;
}

// What the reports page computes when its tab is chosen: the last three and
// thirteen months by type, the category pies of a month and of all time,
// and the daily totals of two months.
double ReportsPageVisit(int year) {
  double total = 0;
  for (int months : {3, 13})
    for (int m = 0; m < months; ++m)
      for (int type : kTypes) total += SumOverAccounts(year - (m >= 12), 12 - m % 12, 0, type);
  // The pies take every category's sum in one pass over the rows.
  const std::vector<std::string>& categories = Global().Categories.Entries();
  for (int pieYear : {year, 0})
    for (const TMoneySum& sum :
         Global().Accounts.SumCategoriesExact(pieYear, pieYear ? 12 : 0, 0, categories, false))
      total += sum.ToDouble();
  for (int day = 1; day <= 31; ++day)
    for (int month : {11, 12})
      for (int type : kTypes) total += SumOverAccounts(year, month, day, type);
  return total;
}

void BM_BuildMonthIndex(benchmark::State& state) {
  LoadSample(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Global().ClearMonthIndex();
    Global().BuildMonthIndex(false);
    benchmark::DoNotOptimize(Global().MonthIndex.Items().size());
  }
}
BENCHMARK(BM_BuildMonthIndex)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_ReportsPageSums(benchmark::State& state) {
  LoadSample(static_cast<int>(state.range(0)));
  Global().BuildMonthIndex(false);
  const int lastYear = 1995 + kYears - 1;
  state.counters["categories"] = static_cast<double>(Global().Categories.Count());
  for (auto _ : state) benchmark::DoNotOptimize(ReportsPageVisit(lastYear));
}
BENCHMARK(BM_ReportsPageSums)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_RecalculateLargestAccount(benchmark::State& state) {
  LoadSample(static_cast<int>(state.range(0)));
  TAccount& account = LargestAccount();
  state.counters["rows"] = account.TransactionsTable()->RowCount();
  for (auto _ : state) account.RecalculateBalances();
}
BENCHMARK(BM_RecalculateLargestAccount)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

// Rows nearly in order are the common case (after an edit); shuffling them
// first makes every run sort from scratch, the worst case.
void BM_SortLargestAccount(benchmark::State& state) {
  LoadSample(static_cast<int>(state.range(0)));
  TTransactions& table = *LargestAccount().TransactionsTable();
  state.counters["rows"] = table.RowCount();
  std::mt19937 random(7);
  for (auto _ : state) {
    state.PauseTiming();
    std::shuffle(table.Rows().Items().begin(), table.Rows().Items().end(), random);
    table.ClearDateCache();
    state.ResumeTiming();
    table.SortTransactions();
  }
  Global().ClearMonthIndex();
}
BENCHMARK(BM_SortLargestAccount)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tf::bench

BENCHMARK_MAIN();

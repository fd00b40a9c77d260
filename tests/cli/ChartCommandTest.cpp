// chart NAME on a small data file: one case per chart, the account choice,
// and the mistakes a script can make.
#include <gtest/gtest.h>

#include <sstream>

#include "CliFixture.h"
#include "base/CategoryList.h"
#include "model/Account.h"
#include "model/Transactions.h"

namespace tf::testing {
namespace {

struct TRow {
  const char* Date;
  const char* Category;
  std::int64_t Cents;
  int Type = ttExpense;
};

void AddRows(TAccount& account, std::initializer_list<TRow> rows) {
  for (const TRow& r : rows) {
    TTransactions* t = account.TransactionsTable()->NewTransaction();
    t->FieldAt(TTransactions::fDate)->SetValue(TVariant::String(r.Date));
    t->FieldAt(TTransactions::fCategory)->SetValue(TVariant::String(r.Category));
    t->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(TCurrency{r.Cents * 100}));
    t->SetTransactionType(r.Type);
  }
}

TAccount& AddAccount(TAccount& root, const char* id, const char* name) {
  TAccount* account = root.NewAccount();
  account->FieldAt(TAccount::fAccountID)->SetValue(TVariant::String(id));
  account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String(name));
  return *account;
}

struct ChartCommandTest : CliFixture {
  std::string data;

  void SetUp() override {
    CliFixture::SetUp();
    data = Path("data.tfold");
    TAccount root;
    TCategoryList categories;
    for (const char* entry :
         {"Food - dining out", "Food - groceries", "Income - paycheck", "Transport"})
      categories.Add(entry);
    root.ListFieldAt(TAccount::lfCategories)->SetValue(TVariant::String(categories.CommaText()));
    AddRows(AddAccount(root, "{0A}", "Cheque"),
            {{"05 Feb 2026", "Income - paycheck", 100000, ttIncome},
             {"06 Feb 2026", "Food - groceries", -10050},
             {"21 Feb 2026", "", -30000, ttTransfer},
             {"01 Mar 2026", "Income - paycheck", 120000, ttIncome},
             {"02 Mar 2026", "Food - groceries", -30000},
             {"05 Mar 2026", "", -2500}});
    AddRows(AddAccount(root, "{0B}", "Card"),
            {{"07 Feb 2026", "Food - dining out", -4000}, {"03 Mar 2026", "Transport", -9000}});
    root.SaveToFile(data, true);
  }

  TRun Chart(const std::string& arguments) {
    return Run("chart " + arguments + " --data " + Quoted(data));
  }
  // The output, expected to succeed.
  std::string Lines(const std::string& arguments) {
    const TRun run = Chart(arguments);
    EXPECT_EQ(run.Status, 0) << arguments << ": " << run.Err;
    return run.Out;
  }
};

TEST_F(ChartCommandTest, IncomeExpensesGivesThreeMonthsOfEachSeries) {
  EXPECT_EQ(Lines("income-expenses --month 'Mar 2026'"),
            "Income\tJan 2026\t0\nIncome\tFeb 2026\t1000\nIncome\tMar 2026\t1200\n"
            "Transfers\tJan 2026\t0\nTransfers\tFeb 2026\t300\nTransfers\tMar 2026\t0\n"
            "Expenses\tJan 2026\t0\nExpenses\tFeb 2026\t140.5\nExpenses\tMar 2026\t415\n");
}

TEST_F(ChartCommandTest, AccountsChooseWhatCounts) {
  EXPECT_EQ(Lines("income-expenses --month 'Mar 2026' --accounts Card"),
            "Income\tJan 2026\t0\nIncome\tFeb 2026\t0\nIncome\tMar 2026\t0\n"
            "Transfers\tJan 2026\t0\nTransfers\tFeb 2026\t0\nTransfers\tMar 2026\t0\n"
            "Expenses\tJan 2026\t0\nExpenses\tFeb 2026\t40\nExpenses\tMar 2026\t90\n");
  EXPECT_EQ(Lines("income-expenses-pie --accounts 'Card,{0A}'"), Lines("income-expenses-pie"));
}

TEST_F(ChartCommandTest, PieAndItsBreakdowns) {
  EXPECT_EQ(Lines("income-expenses-pie"),
            "Income vs Expense (Pie)\tIncome\t2200\nIncome vs Expense (Pie)\tExpense\t555.5\n");
  EXPECT_EQ(Lines("income-expenses-pie --month 'Feb 2026' --side Expenses"),
            "Income vs Expense (Pie - Main Cats)\tFood\t140.5\n");
  EXPECT_EQ(Lines("income-expenses-pie --side Expenses --main Food"),
            "Income vs Expense (Pie - Main Cats)\tdining out\t40\n"
            "Income vs Expense (Pie - Main Cats)\tgroceries\t400.5\n");
  EXPECT_EQ(Lines("income-expenses-pie --side Expenses --main n/a"),
            "Income vs Expense (Pie - Main Cats)\tn/a\t25\n");
}

TEST_F(ChartCommandTest, SpendingByCategoryAndSubCategory) {
  EXPECT_EQ(Lines("spending --month 'Mar 2026'"),
            "Category\tFood\t300\nCategory\tTransport\t90\nCategory\tn/a\t25\n");
  EXPECT_EQ(Lines("spending"),
            "Category\tFood\t440.5\nCategory\tTransport\t90\nCategory\tn/a\t25\n");
  EXPECT_EQ(Lines("spending --month 'Mar 2026' --main Food"), "Subcategory\tgroceries\t300\n");
}

TEST_F(ChartCommandTest, TrendsWithAndWithoutTheIceberg) {
  EXPECT_EQ(Lines("trends --year 2026"),
            "Income\tFeb\t1000\nIncome\tMar\t1200\nExpenses\tFeb\t-140.5\nExpenses\tMar\t-415\n"
            "Transfers\tFeb\t300\nTransfers\tMar\t0\n");
  EXPECT_NE(Lines("trends --year 2026 --iceberg").find("Expenses\tMar\t415\n"), std::string::npos);
  EXPECT_EQ(Lines("trends --year 2030"), "");
}

TEST_F(ChartCommandTest, CompareStopsAtTodayInTodaysMonth) {
  const std::string out = Lines("compare --month 'Mar 2026' --today '05 Mar 2026'");
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 28 + 28 + 5 + 5);
  EXPECT_NE(out.find("Expenses for Feb\t28\t140.5\n"), std::string::npos);
  EXPECT_NE(out.find("Expenses for Mar\t03\t390\nExpenses for Mar\t04\t390\n"
                     "Expenses for Mar\t05\t415\nIncome for Mar\t01\t1200\n"),
            std::string::npos);
  const std::string february = Lines("compare --month 'Feb 2026' --today '05 Mar 2026'");
  EXPECT_EQ(std::count(february.begin(), february.end(), '\n'), 31 + 31 + 28 + 28);
}

TEST_F(ChartCommandTest, MistakesEndWithAClearMessageAndStatusOne) {
  const std::pair<const char*, const char*> cases[] = {
      {"pie-chart", "unknown chart \"pie-chart\""},
      {"income-expenses --month March", "must be a month like Mar 2026"},
      {"income-expenses", "--month"},
      {"income-expenses-pie --side Both", "must be Income or Expenses"},
      {"income-expenses-pie --main Food", "needs \"--side Income\""},
      {"spending --accounts Nobody", "Nobody"},
      {"trends --year soon", "--year"},
      {"trends --year 2026 --colour red", "--colour"},
      {"compare --month 'Mar 2026' --today tomorrow", "--today"},
  };
  for (const auto& [arguments, message] : cases) {
    const TRun run = Chart(arguments);
    EXPECT_EQ(run.Status, 1) << arguments;
    EXPECT_NE(run.Err.find(message), std::string::npos) << arguments << ": " << run.Err;
    EXPECT_EQ(run.Out, "") << arguments;
  }
}

TEST_F(ChartCommandTest, HelpListsTheCharts) {
  const TRun run = Run("chart --help");
  EXPECT_EQ(run.Status, 0);
  for (const char* name :
       {"income-expenses ", "income-expenses-pie", "spending", "trends", "compare"})
    EXPECT_NE(run.Out.find(name), std::string::npos) << name;
}

}  // namespace
}  // namespace tf::testing

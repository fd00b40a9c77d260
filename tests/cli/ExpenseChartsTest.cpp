// chart expense-bars, expense-lines and compare-months on a small data
// file: one case per chart, the account choice and the refused period.
#include <gtest/gtest.h>

#include "CliFixture.h"
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

struct ExpenseChartsTest : CliFixture {
  std::string data;

  static void Add(TAccount& root, const char* id, const char* name,
                  std::initializer_list<TRow> rows) {
    TAccount* account = root.NewAccount();
    account->FieldAt(TAccount::fAccountID)->SetValue(TVariant::String(id));
    account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String(name));
    for (const TRow& r : rows) {
      TTransactions* t = account->TransactionsTable()->NewTransaction();
      t->FieldAt(TTransactions::fDate)->SetValue(TVariant::String(r.Date));
      t->FieldAt(TTransactions::fCategory)->SetValue(TVariant::String(r.Category));
      t->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(TCurrency{r.Cents * 100}));
      t->SetTransactionType(r.Type);
    }
  }

  void SetUp() override {
    CliFixture::SetUp();
    data = Path("data.tfold");
    TAccount root;
    Add(root, "{0A}", "Cheque",
        {{"15 Mar 2026", "Food - groceries", -10000},
         {"01 Mar 2026", "Salary", 100000, ttIncome},
         {"01 Apr 2026", "Salary", 120000, ttIncome},
         {"10 Apr 2026", "Transport", -2550},
         {"11 Apr 2026", "", -700}});
    Add(root, "{0B}", "Card", {{"20 Mar 2026", "Food - dining out", -5000}});
    root.SaveToFile(data, true);
  }

  std::string Lines(const std::string& arguments) {
    const TRun run = Run("chart " + arguments + " --data " + Quoted(data));
    EXPECT_EQ(run.Status, 0) << arguments << ": " << run.Err;
    return run.Out;
  }
};

TEST_F(ExpenseChartsTest, ExpenseBarsInDrawingOrderWithSpacers) {
  EXPECT_EQ(Lines("expense-bars --from '01 Mar 2026' --to '31 Mar 2026'"),
            "Expenses\tdining out\t50\nExpenses\tgroceries\t100\nExpenses\tFood\t150\n"
            "Expenses\t\t0\n");
  EXPECT_EQ(Lines("expense-bars --from '01 Mar 2026' --to '30 Apr 2026' --accounts Card"),
            "Expenses\tdining out\t50\nExpenses\tFood\t50\nExpenses\t\t0\n");
}

TEST_F(ExpenseChartsTest, ExpenseLinesOverWholeMonths) {
  EXPECT_EQ(Lines("expense-lines --from '16 Mar 2026' --to '02 Apr 2026'"),
            "\tMar 2026\t0\n\tApr 2026\t7\n"
            "Food\tMar 2026\t150\nFood\tApr 2026\t0\n"
            "Transport\tMar 2026\t0\nTransport\tApr 2026\t25.5\n");
}

TEST_F(ExpenseChartsTest, CompareMonthsNamesTheRowOfEachBar) {
  EXPECT_EQ(Lines("compare-months --month1 'Mar 2026' --month2 'Apr 2026'"),
            "Mar 2026\t0:All Income\t1000\nMar 2026\t1:Salary\t1000\n"
            "Mar 2026\t2:All Expenses\t150\nMar 2026\t4:Food\t150\n"
            "Diffrence\t0:Diff\t200\nDiffrence\t1:Diff\t200\nDiffrence\t2:Diff\t117.5\n"
            "Diffrence\t3:Diff\t7\nDiffrence\t4:Diff\t150\nDiffrence\t5:Diff\t25.5\n"
            "Apr 2026\t0:All Income\t1200\nApr 2026\t1:Salary\t1200\n"
            "Apr 2026\t2:All Expenses\t32.5\nApr 2026\t3:\t7\nApr 2026\t5:Transport\t25.5\n");
}

TEST_F(ExpenseChartsTest, MistakenOptionsEndWithStatusOne) {
  for (const char* arguments : {"expense-bars --from '01 Apr 2026' --to '01 Mar 2026'",
                                "expense-lines --from '01 Mar 2026'",
                                "compare-months --month1 'March' --month2 'Apr 2026'"}) {
    const TRun run = Run(std::string("chart ") + arguments + " --data " + Quoted(data));
    EXPECT_EQ(run.Status, 1) << arguments;
    EXPECT_FALSE(run.Err.empty()) << arguments;
    EXPECT_TRUE(run.Out.empty()) << arguments;
  }
}

}  // namespace
}  // namespace tf::testing

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "CliFixture.h"
#include "app/Global.h"
#include "base/MemoryPreferenceStore.h"
#include "base/NumberFormat.h"
#include "budgets/BudgetExport.h"
#include "budgets/BudgetMonth.h"
#include "model/Budget.h"
#include "model/Transactions.h"
#include "reports/FinancialYearReport.h"
#include "store/DataFile.h"

namespace tf {
namespace {

namespace fs = std::filesystem;
using namespace tf::testing;

void Text(TBone& row, int field, const std::string& text) {
  row.FieldAt(field)->SetValue(TVariant::String(text));
}
void Amount(TBone& row, int field, std::int64_t cents) {
  row.FieldAt(field)->SetValue(TVariant::Currency(TCurrency{cents * 100}));
}

// One account with March 2024 transactions and two budget lines whose stored
// "Actual" is out of date.
void FillData(TAccount& root) {
  TAccount* account = root.NewAccount();
  Text(*account, TAccount::fAccountID, "{00000001-0000-0000-0000-000000000000}");
  struct TRow {
    const char* Date;
    const char* Description;
    const char* Category;
    std::int64_t Cents;
    int Type;
  };
  for (const TRow& r :
       {TRow{"02 Mar 2024", "Pay", "Salary", 2500000, ttIncome},
        TRow{"05 Mar 2024", "Fish & <Chips>", "Food - dining out", -4525, ttExpense},
        TRow{"09 Mar 2024", "Market", "Food - groceries", -65000, ttExpense},
        TRow{"02 Apr 2024", "Later", "Food - groceries", -100, ttExpense}}) {
    TTransactions* t = account->TransactionsTable()->NewTransaction();
    Text(*t, TTransactions::fDate, r.Date);
    Text(*t, TTransactions::fDescription, r.Description);
    Text(*t, TTransactions::fCategory, r.Category);
    Amount(*t, TTransactions::fAmount, r.Cents);
    t->SetTransactionType(r.Type);
  }
  struct TLine {
    const char* Category;
    std::int64_t Cents;
    bool Income;
  };
  for (const TLine& l : {TLine{"Food - groceries", 50000, false}, TLine{"Salary", 2400000, true}}) {
    TBudget* line = root.BudgetTable()->NewBudget();
    Text(*line, TBudget::fCategoryName, l.Category);
    line->FieldAt(TBudget::fYear)->SetValue(TVariant::Integer(2024));
    line->FieldAt(TBudget::fMonth)->SetValue(TVariant::Integer(3));
    Amount(*line, TBudget::fMax, l.Cents);
    line->FieldAt(TBudget::fIncome)->SetValue(TVariant::Bool(l.Income));
  }
}

struct ReportCommandsTest : CliFixture {
  std::string data;

  void SetUp() override {
    CliFixture::SetUp();
    data = Path("data.tfold");
    TAccount root;
    FillData(root);
    root.SaveToFile(data, true);
  }
  std::string DataArg() const { return "--data '" + data + "' "; }

  // The data file read into this process's context, as the command reads it.
  void LoadHere() { Global().Accounts.LoadFromFile(data, true); }
};

TEST_F(ReportCommandsTest, FinYearWritesTheReportOfThePeriod) {
  const std::string out = Path("year.htm");
  const TRun run =
      Run("report finyear " + DataArg() + "--from '01 Jan 2024' --to '31 Mar 2024' '" + out + "'");
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out, out + "\n");
  const std::string html = ReadWholeFile(out);
  EXPECT_NE(html.find("Fish &amp; &lt;Chips&gt;"), std::string::npos);
  EXPECT_EQ(html.find("Later"), std::string::npos);
  LoadHere();
  EXPECT_EQ(html, FinancialYearReport(Global().Accounts, EncodeDate(2024, 1, 1),
                                      EncodeDate(2024, 3, 31)));
}

TEST_F(ReportCommandsTest, BudgetCsvHasTheActualComputedFromTransactions) {
  const std::string out = Path("march.CSV");
  const TRun run = Run("budget " + DataArg() + "--month 'Mar 2024' '" + out + "'");
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out, out + "\n");
  EXPECT_EQ(ReadWholeFile(out),
            "\"Type\",\"Category\",\"Actual\",\"Budgeted\",\"Difference\"\r\n"
            "\"Income\",\"Salary\",\"25,000.00\",\"24,000.00\",\"1,000.00\"\r\n"
            "\"Expense\",\"Food - groceries\",\"-650.00\",\"500.00\",\"-150.00\"\r\n");
}

TEST_F(ReportCommandsTest, BudgetHtmlIsTheBudgetDocument) {
  for (const char* name : {"march.htm", "march.html"}) {
    const std::string out = Path(name);
    const TRun run = Run("budget --month 'Mar 2024' " + DataArg() + "'" + out + "'");
    ASSERT_EQ(run.Status, 0) << run.Err;
    LoadHere();
    TBudgetMonth month(Global().Accounts, 2024, 3);
    month.Refresh();
    TMemoryPreferenceStore preferences;
    TNumberFormat format(preferences);
    EXPECT_EQ(ReadWholeFile(out), BudgetHtml(month.Lines(), 2024, 3, format)) << name;
    EXPECT_NE(ReadWholeFile(out).find("moneyleftR\">-150.00<"), std::string::npos);
  }
}

TEST_F(ReportCommandsTest, ProtectedFileOpensOnlyWithItsPassword) {
  TAccount root;
  FillData(root);
  root.ListFieldAt(TAccount::lfPassword)->SetValue(TVariant::String("secret"));
  root.SaveToFile(data, true);
  const std::string out = Path("march.csv");
  const std::string args = "budget " + DataArg() + "--month 'Mar 2024' '" + out + "'";
  const TRun refused = Run(args);
  EXPECT_EQ(refused.Status, 2);
  EXPECT_NE(refused.Err.find("--password"), std::string::npos) << refused.Err;
  EXPECT_FALSE(fs::exists(out));
  const TRun opened = Run(args + " --password secret");
  ASSERT_EQ(opened.Status, 0) << opened.Err;
  EXPECT_NE(ReadWholeFile(out).find("\"-650.00\""), std::string::npos);
}

TEST_F(ReportCommandsTest, MistakesExplainThemselvesAndWriteNothing) {
  struct TCase {
    std::string Args;
    int Status;
    const char* Message;
  };
  const std::string out = " '" + Path("out.htm") + "'";
  const std::string finyear = "report finyear " + DataArg();
  const TCase cases[] = {
      {finyear + "--from '2024-01-01' --to '31 Dec 2024'" + out, 2,
       "must be a date like 01 Jan 2024"},
      {finyear + "--from '32 Jan 2024' --to '31 Dec 2024'" + out, 2, "\"--from\""},
      {finyear + "--from '01 Jan 2024' --to '31 Foo 2024'" + out, 2, "\"--to\" must be a date"},
      {finyear + "--from '01 Feb 2024' --to '31 Jan 2024'" + out, 2, "lies before"},
      {finyear + "--from '01 Jan 2024'" + out, 2, "\"--to\" is missing"},
      {finyear + "--from '01 Jan 2024' --to '31 Dec 2024'", 2, "exactly one output file"},
      {finyear + "--from '01 Jan 2024' --to '31 Dec 2024' --colour red" + out, 2, "unknown option"},
      {"report yearly" + out, 2, "unknown report \"yearly\""},
      {"budget " + DataArg() + "--month 'March 2024'" + out, 2, "must be a month like Mar 2026"},
      {"budget " + DataArg() + "--month '13 2024'" + out, 2, "must be a month like"},
      {"budget " + DataArg() + "--month 'Mar 2024' '" + Path("out.txt") + "'", 2,
       "must end in .htm, .html or .csv"},
      {"budget --month 'Mar 2024' --data '" + Path("absent.tfold") + "'" + out, 1, "absent.tfold"},
      {finyear + "--from '01 Jan 2024' --to '31 Dec 2024' '" + Path("no/such/dir/out.htm") + "'", 1,
       "no/such/dir/out.htm"},
  };
  for (const TCase& c : cases) {
    const TRun run = Run(c.Args);
    EXPECT_EQ(run.Status, c.Status) << c.Args;
    EXPECT_TRUE(run.Out.empty()) << c.Args;
    EXPECT_NE(run.Err.find(c.Message), std::string::npos) << c.Args << "\n" << run.Err;
    EXPECT_FALSE(fs::exists(Path("out.htm")) || fs::exists(Path("out.txt"))) << c.Args;
  }
}

}  // namespace
}  // namespace tf

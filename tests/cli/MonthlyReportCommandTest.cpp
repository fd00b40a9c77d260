// report monthly on a small data file: the three output forms against golden
// files, the period, depth and account options, and the mistakes.
#include <gtest/gtest.h>

#include <fstream>

#include "../support/GoldenFile.h"
#include "CliFixture.h"
#include "model/Account.h"
#include "model/Transactions.h"

namespace tf::testing {
namespace {

struct TRow {
  const char* Date;
  const char* Category;
  const char* Amount;
  int Type;
  bool Deleted = false;
};

void AddRows(TAccount& root, const char* id, const char* name, std::initializer_list<TRow> rows) {
  TAccount* account = root.NewAccount();
  account->FieldAt(TAccount::fAccountID)->SetValue(TVariant::String(id));
  account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String(name));
  for (const TRow& r : rows) {
    TTransactions* t = account->TransactionsTable()->NewTransaction();
    t->FieldAt(TTransactions::fDate)->SetValue(TVariant::String(r.Date));
    t->FieldAt(TTransactions::fCategory)->SetValue(TVariant::String(r.Category));
    TCurrency amount;
    TryTextToCurrency(r.Amount, amount);
    t->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(amount));
    t->SetTransactionType(r.Type);
    t->Deleted = r.Deleted;
  }
}

// Income, expenses, a transfer, a deposit, an uncategorised row, a deleted
// row and a deleted account, over November 2023 to March 2024.
void FillData(TAccount& root) {
  AddRows(root, "{00000000-0000-0000-0000-00000000000A}", "Cheque",
          {{"24 Nov 2023", "Income - paycheck", "24000", ttIncome},
           {"25 Jan 2024", "Income - paycheck", "25000", ttIncome},
           {"26 Feb 2024", "Income - paycheck", "25000.5", ttIncome},
           {"28 Feb 2024", "Income - interest", "12.34", ttIncome},
           {"03 Jan 2024", "Food - groceries", "-1650", ttExpense},
           {"04 Jan 2024", "Food - groceries", "50", ttExpense},
           {"10 Feb 2024", "Savings", "-1000", ttTransfer},
           {"11 Feb 2024", "Food - groceries", "-500", ttDeposit},
           {"12 Feb 2024", "Food - groceries", "-999", ttExpense, true},
           {"13 Mar 2024", "", "-20", ttExpense}});
  AddRows(root, "{00000000-0000-0000-0000-00000000000B}", "Card",
          {{"05 Jan 2024", "Food - dining out", "-45.25", ttExpense},
           {"06 Mar 2024", "Home - rent, garage", "-7500", ttExpense}});
  AddRows(root, "{00000000-0000-0000-0000-00000000000C}", "Closed",
          {{"25 Jan 2024", "Income - paycheck", "777", ttIncome}});
  root.AccountAt(2)->Deleted = true;
}

struct MonthlyReportCommandTest : CliFixture {
  void SetUp() override {
    CliFixture::SetUp();
    TAccount root;
    FillData(root);
    root.SaveToFile(Path("data.tfold"), true);
  }
  TRun Monthly(const std::string& options) {
    return Run("report monthly --data " + Quoted(Path("data.tfold")) + " " + options);
  }
  static std::string Golden(const std::string& name) {
    return std::string(TALLYFOLD_TEST_DATA) + "/cli/" + name;
  }
  // The first line of the output: the CSV header.
  static std::string Header(const std::string& csv) { return csv.substr(0, csv.find("\r\n")); }
};

TEST_F(MonthlyReportCommandTest, EachFormatMatchesItsGoldenFile) {
  for (const char* format : {"text", "csv", "json"}) {
    const TRun run = Monthly("--from 'Jan 2024' --to 'Mar 2024' --format " + std::string(format));
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    ExpectMatchesGolden(run.Out, Golden(std::string("monthly.") + format));
  }
  // Text is the default form.
  EXPECT_EQ(Monthly("--to 'Mar 2024' --from 'Jan 2024'").Out,
            tf::testing::ReadWholeFile(Golden("monthly.text")));
}

TEST_F(MonthlyReportCommandTest, DepthAndAccountsChooseTheRows) {
  const TRun run = Monthly(
      "--from 'Jan 2024' --to 'Feb 2024' --depth main --format csv "
      "--accounts 'Card,{00000000-0000-0000-0000-00000000000A}'");
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out,
            "Category,Jan 2024,Feb 2024,Total\r\n"
            "Income,25000,25012.84,50012.84\r\n"
            "Total income,25000,25012.84,50012.84\r\n"
            "Food,-1645.25,0,-1645.25\r\n"
            "Total expenses,-1645.25,0,-1645.25\r\n"
            "Net,23354.75,25012.84,48367.59\r\n");
  const TRun card = Monthly("--from 'Jan 2024' --to 'Feb 2024' --format csv --accounts Card");
  EXPECT_EQ(card.Out,
            "Category,Jan 2024,Feb 2024,Total\r\n"
            "Total income,0,0,0\r\n"
            "Food - dining out,-45.25,0,-45.25\r\n"
            "Total expenses,-45.25,0,-45.25\r\n"
            "Net,-45.25,0,-45.25\r\n");
}

TEST_F(MonthlyReportCommandTest, PeriodDefaultsToTheLastTwelveMonthsWithTransactions) {
  struct TCase {
    const char* Options;
    const char* Header;
  };
  const TCase cases[] = {
      {"",
       "Category,Apr 2023,May 2023,Jun 2023,Jul 2023,Aug 2023,Sep 2023,Oct 2023,Nov 2023,"
       "Dec 2023,Jan 2024,Feb 2024,Mar 2024,Total"},
      {"--from 'Dec 2023'", "Category,Dec 2023,Jan 2024,Feb 2024,Mar 2024,Total"},
      {"--to 'Jan 2023'",
       "Category,Feb 2022,Mar 2022,Apr 2022,May 2022,Jun 2022,Jul 2022,"
       "Aug 2022,Sep 2022,Oct 2022,Nov 2022,Dec 2022,Jan 2023,Total"},
      {"--from 'Feb 2024' --to 'Feb 2024'", "Category,Feb 2024,Total"},
  };
  for (const TCase& c : cases) {
    const TRun run = Monthly(std::string("--format csv ") + c.Options);
    ASSERT_EQ(run.Status, 0) << c.Options << run.Err;
    EXPECT_EQ(Header(run.Out), c.Header) << c.Options;
  }
  EXPECT_NE(Monthly("--format csv")
                .Out.find("\r\nIncome - paycheck,0,0,0,0,0,0,0,24000,0,25000,"
                          "25000.5,0,74000.5\r\n"),
            std::string::npos);
}

TEST_F(MonthlyReportCommandTest, ProtectedFileOpensOnlyWithItsPassword) {
  TAccount root;
  FillData(root);
  root.ListFieldAt(TAccount::lfPassword)->SetValue(TVariant::String(" secret "));
  root.SaveToFile(Path("data.tfold"), true);
  const std::string options = "--from 'Mar 2024' --to 'Mar 2024' --format csv";
  for (const std::string& wrong : {std::string(), std::string("--password Secret")}) {
    const TRun refused = Monthly(options + " " + wrong);
    EXPECT_EQ(refused.Status, 2) << wrong;
    EXPECT_EQ(refused.Out, "") << wrong;
  }
  const TRun piped =
      Run("report monthly --data " + Quoted(Path("data.tfold")) + " " + options, "secret\n");
  ASSERT_EQ(piped.Status, 0) << piped.Err;
  EXPECT_NE(piped.Out.find("\r\nNet,-7520,-7520\r\n"), std::string::npos) << piped.Out;
  EXPECT_EQ(Monthly(options + " --password secret").Out, piped.Out);
}

#ifdef TALLYFOLD_CLI_PLATFORM
TEST_F(MonthlyReportCommandTest, TextFollowsTheUsersSeparators) {
  std::filesystem::create_directories(Path("config/Quillmere"));
  std::ofstream(Path("config/Quillmere/Tallyfold.conf"))
      << "[General]\nthousands=.\ndecimal=\",\"\n";
  const TRun run = Monthly("--from 'Feb 2024' --to 'Feb 2024'");
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_NE(run.Out.find("  Income - paycheck  25.000,50  25.000,50\n"), std::string::npos)
      << run.Out;
  // Machines still get plain numbers.
  EXPECT_NE(Monthly("--from 'Feb 2024' --to 'Feb 2024' --format csv").Out.find("25000.5"),
            std::string::npos);
}
#endif

TEST_F(MonthlyReportCommandTest, MistakesExplainThemselves) {
  struct TCase {
    const char* Options;
    int Status;
    const char* Message;
  };
  const TCase cases[] = {
      {"--from 'January 2024'", 2, "\"--from\" must be a month like Mar 2026"},
      {"--to '13 2024'", 2, "\"--to\" must be a month like"},
      {"--from 'Mar 2024' --to 'Jan 2024'", 2, "\"--to\" lies before \"--from\""},
      {"--depth sub", 2, "\"--depth\" must be one of full, main, not \"sub\""},
      {"--format xml", 2, "\"--format\" must be one of text, csv, json"},
      {"--accounts 'Card,'", 2, "empty name"},
      {"--colour red", 2, "unknown option \"--colour\""},
      {"out.csv", 2, "unexpected argument \"out.csv\""},
      {"--format", 2, "\"--format\" needs a value"},
      {"--accounts Savings", 1, "no account \"Savings\""},
      {"--accounts Closed", 1, "no account \"Closed\""},
  };
  for (const TCase& c : cases) {
    const TRun run = Monthly(c.Options);
    EXPECT_EQ(run.Status, c.Status) << c.Options;
    EXPECT_EQ(run.Out, "") << c.Options;
    EXPECT_NE(run.Err.find(c.Message), std::string::npos) << c.Options << "\n" << run.Err;
  }
  const TRun missing = Run("report monthly --data " + Quoted(Path("absent.tfold")));
  EXPECT_EQ(missing.Status, 1);
  EXPECT_NE(missing.Err.find("absent.tfold"), std::string::npos);
}

}  // namespace
}  // namespace tf::testing

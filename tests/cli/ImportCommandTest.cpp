// import and backup through the command line, on data files the store writes.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "CliFixture.h"
#include "model/Account.h"
#include "model/Transactions.h"
#include "store/DataFile.h"

namespace tf {
namespace {

namespace fs = std::filesystem;
using namespace tf::testing;

struct ImportCommandTest : CliFixture {
  void SetUp() override {
    CliFixture::SetUp();
    TAccount root;
    TAccount* account = root.NewAccount();
    account->FieldAt(TAccount::fAccountID)->SetValue(TVariant::String("{0A}"));
    account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String("Cheque"));
    account->FieldAt(TAccount::fStartingBalance)->SetValue(TVariant::String("100"));
    root.SaveToFile(Data(), true);
  }
  std::string Data() const { return Path("data.tfold"); }
  std::string Fixture(const char* name) const {
    return std::string("'") + TALLYFOLD_TEST_DATA + "/import/" + name + "'";
  }
};

TEST_F(ImportCommandTest, ImportsOnceAndSkipsTheSameStatementTheSecondTime) {
  const std::string args =
      "import --data '" + Data() + "' --format 5 --account Cheque " + Fixture("ofx_one_line.ofx");
  const TRun first = Run(args);
  ASSERT_EQ(first.Status, 0) << first.Err;
  EXPECT_NE(first.Out.find("Imported 3 of 3 rows into \"Cheque\""), std::string::npos) << first.Out;
  const TRun second = Run(args);
  ASSERT_EQ(second.Status, 0) << second.Err;
  EXPECT_NE(second.Out.find("Imported 0 of 3 rows"), std::string::npos) << second.Out;
  TAccount back;
  back.LoadFromFile(Data(), true);
  const TTransactions* table = back.AccountAt(0)->TransactionsTable();
  ASSERT_EQ(table->RowCount(), 3);
  // Sorted by date, balances running from the starting balance 100.
  EXPECT_EQ(table->TransactionAt(0)->FieldAt(TTransactions::fDate)->AsString(), "05 Jan 2008");
  EXPECT_EQ(table->TransactionAt(2)->FieldAt(TTransactions::fBalance)->AsString(), "101.25");
  EXPECT_EQ(back.AccountAt(0)->FieldAt(TAccount::fBalance)->AsString(), "101.25");
}

TEST_F(ImportCommandTest, OwnLayoutKeepsQuotedCommas) {
  const TRun run = Run("import --data '" + Data() + "' --format 7 --account '{0A}' --keep-zero " +
                       Fixture("tallyfold.csv"));
  ASSERT_EQ(run.Status, 0) << run.Err;
  TAccount back;
  back.LoadFromFile(Data(), true);
  const TTransactions* table = back.AccountAt(0)->TransactionsTable();
  std::vector<std::string> descriptions;
  for (int i = 0; i < table->RowCount(); ++i)
    descriptions.push_back(
        table->TransactionAt(i)->FieldAt(TTransactions::fDescription)->AsString());
  EXPECT_NE(std::find(descriptions.begin(), descriptions.end(), "Smith, J refund"),
            descriptions.end());
  EXPECT_NE(std::find(descriptions.begin(), descriptions.end(), "Say \"hi\" there"),
            descriptions.end());
}

TEST_F(ImportCommandTest, MistakesAreRefusedAndNothingIsWritten) {
  const std::string before = ReadWholeFile(Data());
  struct Case {
    std::string args;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {"--format 9 --account Cheque x.ofx", 2, "--format must be a statement format"},
      {"--account Cheque x.ofx", 2, "--format is missing"},
      {"--format 5 x.ofx", 2, "--account is missing"},
      {"--format 5 --account Savings " + Fixture("ofx_sgml.ofx"), 1, "no account \"Savings\""},
      {"--format 5 --account Cheque '" + (dir / "missing.ofx").string() + "'", 1, "missing.ofx"},
      {"--format 1 --account Cheque " + Fixture("absa_heading_only.csv"), 1,
       "File seems to be empty, import will not continue"},
      {"--format 3 --account Cheque " + Fixture("standard.csv"), 1,
       "This file does not look like an FNB statement: no line holds a date"},
      {"--format 1 --account Cheque " + Fixture("other_bank_account_column.csv"), 1,
       "This file does not look like an ABSA statement: its heading puts \"Amount\" in column 3"},
  };
  for (const Case& c : cases) {
    const TRun run = Run("import --data '" + Data() + "' " + c.args);
    EXPECT_EQ(run.Status, c.status) << c.args;
    EXPECT_NE(run.Err.find(c.message), std::string::npos) << c.args << ": " << run.Err;
    EXPECT_EQ(run.Out.find("Imported"), std::string::npos) << c.args << ": " << run.Out;
  }
  EXPECT_EQ(ReadWholeFile(Data()), before);
}

TEST_F(ImportCommandTest, EntriesLeftOutAreCountedBesideTheImport) {
  const TRun run = Run("import --data '" + Data() + "' --format 5 --account Cheque " +
                       Fixture("ofx_undated_entries.ofx"));
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_NE(run.Out.find("Imported 1 of 1 rows into \"Cheque\""), std::string::npos) << run.Out;
  EXPECT_NE(run.Out.find("4 entries left out: no valid date; 2 entries left out: no amount\n"),
            std::string::npos)
      << run.Out;
  TAccount back;
  back.LoadFromFile(Data(), true);
  ASSERT_EQ(back.AccountAt(0)->TransactionsTable()->RowCount(), 1);
  EXPECT_EQ(back.AccountAt(0)
                ->TransactionsTable()
                ->TransactionAt(0)
                ->FieldAt(TTransactions::fDate)
                ->AsString(),
            "28 Feb 2023");
}

TEST_F(ImportCommandTest, BackupWritesACopyOrOneStatementPerAccount) {
  const TRun copy = Run("backup --data '" + Data() + "' '" + (dir / "saved.bak").string() + "'");
  ASSERT_EQ(copy.Status, 0) << copy.Err;
  EXPECT_TRUE(fs::exists(dir / "saved.tfold")) << copy.Out;
  TAccount back;
  back.LoadFromFile((dir / "saved.tfold").string(), true);
  EXPECT_EQ(back.AccountAt(0)->FieldAt(TAccount::fAccountName)->AsString(), "Cheque");
  fs::create_directories(dir / "ofx");
  const TRun ofx = Run("backup --data '" + Data() + "' '" +
                       (dir / "ofx" / "All Accounts Here.ofx").string() + "'");
  ASSERT_EQ(ofx.Status, 0) << ofx.Err;
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir / "ofx"))
    files += entry.path().extension() == ".ofx";
  EXPECT_EQ(files, 1) << ofx.Out;
}

}  // namespace
}  // namespace tf

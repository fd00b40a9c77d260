// profiles, profile add|delete and import --profile through the command line.
#include <gtest/gtest.h>

#include "CliFixture.h"
#include "import/CsvProfiles.h"
#include "model/Account.h"
#include "model/Transactions.h"

namespace tf {
namespace {

using namespace tf::testing;

struct ProfileCommands : CliFixture {
  void SetUp() override {
    CliFixture::SetUp();
    TAccount root;
    TAccount* account = root.NewAccount();
    account->FieldAt(TAccount::fAccountID)->SetValue(TVariant::String("{0A}"));
    account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String("Cheque"));
    root.SaveToFile(Data(), true);
  }
  std::string Data() const { return Path("data.tfold"); }
  std::string WithData(const std::string& args) { return args + " --data " + Quoted(Data()); }
  static std::string Statement() {
    return Quoted(std::string(TALLYFOLD_TEST_DATA) + "/import/capitec_semicolon.csv");
  }
  static constexpr const char* kCapitec =
      "profile add Capitec --separator ';' --skip 3 --date-column 2 --date-order dmy "
      "--in-column 4 --out-column 5 --description-columns 3,1 --decimal , --balance-column 6";
};

TEST_F(ProfileCommands, AProfileFromAScriptImportsItsBanksStatementOnce) {
  const TRun add = Run(WithData(kCapitec));
  ASSERT_EQ(add.Status, 0) << add.Err;
  const TRun list = Run(WithData("profiles"));
  ASSERT_EQ(list.Status, 0) << list.Err;
  EXPECT_EQ(list.Out,
            "Capitec\t\tsemicolon, skip 3, date 2 (dmy), in 4, out 5, description 3,1, decimal ,"
            ", balance 6\n");

  const std::string import =
      WithData("import --profile capitec --account Cheque ") + " " + Statement();
  const TRun first = Run(import);
  ASSERT_EQ(first.Status, 0) << first.Err;
  EXPECT_NE(first.Out.find("Imported 2 of 2 rows into \"Cheque\""), std::string::npos) << first.Out;
  EXPECT_NE(first.Err.find(":6: left out: \"31/02/2024\" is no date (day-month-year)"),
            std::string::npos)
      << first.Err;
  const TRun second = Run(import);
  ASSERT_EQ(second.Status, 0) << second.Err;
  EXPECT_NE(second.Out.find("Imported 0 of 2 rows"), std::string::npos) << second.Out;

  TAccount back;
  back.LoadFromFile(Data(), true);
  const TTransactions* table = back.AccountAt(0)->TransactionsTable();
  ASSERT_EQ(table->RowCount(), 2);
  EXPECT_EQ(table->TransactionAt(0)->FieldAt(TTransactions::fDescription)->AsString(),
            "Salary ACME 1");
  EXPECT_EQ(table->TransactionAt(1)->FieldAt(TTransactions::fAmount)->AsString(), "-35.5");
  EXPECT_EQ(table->TransactionAt(1)->FieldAt(TTransactions::fRawLineData)->AsString(),
            "2;02/03/2024;Coffee  shop;;35,50;10 929,50");
  // The profile remembers the account it was used for.
  EXPECT_EQ(LoadCsvProfiles(back).at(0).AccountID, "{0A}");
  EXPECT_EQ(Run(WithData("profiles")).Out.substr(0, 15), "Capitec\tCheque\t");
}

TEST_F(ProfileCommands, AutoFormatFallsBackOnASavedProfileThatFits) {
  const std::string import = WithData("import --format auto --account Cheque ") + " " + Statement();
  // No built-in layout reads this bank, and no profile is saved yet.
  const TRun refused = Run(import);
  EXPECT_EQ(refused.Status, 1);
  EXPECT_NE(refused.Err.find("--profile NAME"), std::string::npos) << refused.Err;

  ASSERT_EQ(Run(WithData(kCapitec)).Status, 0);
  const TRun run = Run(import);
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_NE(run.Err.find("saved mapping \"Capitec\": reading it through that profile"),
            std::string::npos)
      << run.Err;
  EXPECT_NE(run.Out.find("Imported 2 of 2 rows into \"Cheque\""), std::string::npos) << run.Out;
}

TEST_F(ProfileCommands, MistakesAreRefusedWithTheDialogsWords) {
  const std::string before = ReadWholeFile(Data());
  TRun run =
      Run(WithData("profile add Bank --date-column 1 --amount-column 1 "
                   "--description-columns 2"));
  EXPECT_EQ(run.Status, 1);
  EXPECT_NE(run.Err.find("The date, amount and balance columns must all be different."),
            std::string::npos)
      << run.Err;
  run = Run(WithData("profile add Bank --date-column 1 --description-columns 2"));
  EXPECT_EQ(run.Status, 2);
  EXPECT_NE(run.Err.find("give --amount-column, or --in-column and --out-column"),
            std::string::npos);
  run =
      Run(WithData("profile add Bank --separator '|' --date-column 1 --amount-column 2 "
                   "--description-columns 3"));
  EXPECT_EQ(run.Status, 2);
  run = Run(WithData("import --profile Nobody --account Cheque ") + " " + Statement());
  EXPECT_EQ(run.Status, 1);
  EXPECT_NE(run.Err.find("There is no profile named \"Nobody\""), std::string::npos) << run.Err;
  EXPECT_EQ(ReadWholeFile(Data()), before);

  ASSERT_EQ(Run(WithData(kCapitec)).Status, 0);
  run = Run(WithData(kCapitec));
  EXPECT_EQ(run.Status, 1);
  EXPECT_NE(run.Err.find("exists already; add --replace"), std::string::npos) << run.Err;
  EXPECT_EQ(Run(WithData(std::string(kCapitec) + " --replace")).Status, 0);
  EXPECT_EQ(Run(WithData("profile delete CAPITEC")).Status, 0);
  EXPECT_EQ(Run(WithData("profiles")).Out, "");
}

}  // namespace
}  // namespace tf

// "--format auto" of parse and import: the layout recognised from the file is
// named on stderr and used; a file no layout places is refused with exit 1
// and the data file is left as it was.
#include "CliFixture.h"
#include "model/Account.h"
#include "model/Transactions.h"

namespace tf::testing {
namespace {

struct StatementFormatChoiceTest : CliFixture {
  void SetUp() override {
    CliFixture::SetUp();
    WriteFileAtomically(Path("march.csv"),
                        "Date,Description,Amount,Balance\r\n"
                        "20240301,SALARY  MARCH,12500.50,13000.00\r\n"
                        "20240302,SHOP,-500,12500.5\r\n");
    WriteFileAtomically(Path("notes.csv"), "Date;Description;Amount\n01.03.2024;SHOP;-5,00\n");
    TAccount root;
    TAccount* account = root.NewAccount();
    account->FieldAt(TAccount::fAccountID)->SetValue(TVariant::String("{0A}"));
    account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String("Cheque"));
    root.SaveToFile(Path("data.tfold"), true);
  }
  std::string Import(const std::string& statement) const {
    return "import --data " + Quoted(Path("data.tfold")) + " --format auto --account Cheque " +
           Quoted(Path(statement));
  }
};

TEST_F(StatementFormatChoiceTest, ParseReadsWithTheLayoutItRecognised) {
  const TRun automatic = Run("parse --format auto " + Quoted(Path("march.csv")));
  ASSERT_EQ(automatic.Status, 0) << automatic.Err;
  EXPECT_EQ(automatic.Err,
            "Looks like an ABSA statement: reading it as format 1, ABSA Statements CSV\n");
  const TRun numbered = Run("parse --format 1 " + Quoted(Path("march.csv")));
  EXPECT_EQ(automatic.Out, numbered.Out);
  EXPECT_NE(automatic.Out.find("01 Mar 2024\tSALARY MARCH\t12500.5\t13000"), std::string::npos);
}

TEST_F(StatementFormatChoiceTest, ImportUsesTheLayoutItRecognised) {
  const TRun run = Run(Import("march.csv"));
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_NE(run.Err.find("Looks like an ABSA statement: reading it as format 1"), std::string::npos)
      << run.Err;
  EXPECT_NE(run.Out.find("Imported 2 of 2 rows into \"Cheque\""), std::string::npos) << run.Out;
  TAccount back;
  back.LoadFromFile(Path("data.tfold"), true);
  EXPECT_EQ(back.AccountAt(0)->TransactionsTable()->RowCount(), 2);
}

TEST_F(StatementFormatChoiceTest, AFileNoLayoutPlacesIsRefused) {
  const std::string before = ReadWholeFile(Path("data.tfold"));
  for (const std::string& args :
       {"parse --format auto " + Quoted(Path("notes.csv")), Import("notes.csv")}) {
    const TRun run = Run(args);
    EXPECT_EQ(run.Status, 1) << args;
    EXPECT_EQ(run.Out, "") << args;
    EXPECT_NE(run.Err.find("The format of this statement file was not recognised: \"" +
                           Path("notes.csv") + "\". Name its layout with --format N"),
              std::string::npos)
        << args << "\n"
        << run.Err;
  }
  EXPECT_EQ(ReadWholeFile(Path("data.tfold")), before);
  const TRun missing = Run("parse --format auto " + Quoted(Path("none.csv")));
  EXPECT_EQ(missing.Status, 1);
  EXPECT_NE(missing.Err.find(Path("none.csv")), std::string::npos) << missing.Err;
}

}  // namespace
}  // namespace tf::testing

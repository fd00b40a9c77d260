// parse: the statement rows of two formats as plain tab-separated lines, and
// the refusals, with no data file touched.
#include "CliFixture.h"

namespace tf::testing {
namespace {

struct ParseCommandTest : CliFixture {
  void SetUp() override {
    CliFixture::SetUp();
    WriteFileAtomically(Path("absa.csv"),
                        "Date,Description,Amount,Balance\r\n"
                        "20240301,SALARY  MARCH,12500.50,13000.00\r\n"
                        "20240302,SHOP,-500,12500.5\r\n"
                        "31/03/2024,ODD DATE,-1.25,12499.25\r\n");
    WriteFileAtomically(Path("bank.ofx"),
                        "<OFX><BANKTRANLIST>"
                        "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240305<TRNAMT>-12.50<NAME>CAFE\tBAR"
                        "</STMTTRN>"
                        "<STMTTRN><TRNTYPE>CREDIT<DTPOSTED>20240306120000<TRNAMT>100"
                        "<MEMO>REFUND</STMTTRN>"
                        "</BANKTRANLIST></OFX>\n");
  }
};

TEST_F(ParseCommandTest, PrintsTheRowsOfEachFormatAsPlainNumbers) {
  const std::pair<std::string, std::string> cases[] = {
      {"--format 1 " + Quoted(Path("absa.csv")),
       "01 Mar 2024\tSALARY MARCH\t12500.5\t13000\t20240301,SALARY  MARCH,12500.50,13000.00\n"
       "02 Mar 2024\tSHOP\t-500\t12500.5\t20240302,SHOP,-500,12500.5\n"
       "\tODD DATE\t-1.25\t12499.25\t31/03/2024,ODD DATE,-1.25,12499.25\n"},
      {Quoted(Path("bank.ofx")) + " --format 5",
       "05 Mar 2024\tCAFE BAR\t-12.5\t0\t20240305,CAFE BAR,-12.50\n"
       "06 Mar 2024\tREFUND\t100\t0\t20240306120000,REFUND,100\n"},
  };
  for (const auto& [args, rows] : cases) {
    const TRun run = Run("parse " + args);
    ASSERT_EQ(run.Status, 0) << args << ": " << run.Err;
    EXPECT_EQ(run.Out, rows) << args;
  }
  EXPECT_FALSE(fs::exists(dir / "Documents"));  // no data file looked for
}

TEST_F(ParseCommandTest, ShowsWhatAWrongLayoutReadsAndRefusesIt) {
  const TRun run = Run("parse --format 7 " + Quoted(Path("absa.csv")));
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Out,
            "\t12500.50\t0\t0\t20240301,SALARY  MARCH,12500.50,13000.00\n"
            "\t-500\t0\t0\t20240302,SHOP,-500,12500.5\n"
            "\t-1.25\t0\t0\t31/03/2024,ODD DATE,-1.25,12499.25\n")
      << run.Err;
  EXPECT_NE(
      run.Err.find("This file does not look like a Tallyfold CSV export: no line holds a date"),
      std::string::npos)
      << run.Err;
}

TEST_F(ParseCommandTest, RefusesUnknownFormatsAndUnreadableFiles) {
  const struct {
    std::string Args;
    int Status;
    std::string Message;
  } cases[] = {
      {"--format 0 " + Quoted(Path("absa.csv")), 1,
       "\"--format\" must be a statement format from 1 to 7, not \"0\""},
      {"--format 8 " + Quoted(Path("absa.csv")), 1, "from 1 to 7, not \"8\""},
      {"--format ofx " + Quoted(Path("absa.csv")), 1, "from 1 to 7, not \"ofx\""},
      {"--format 1 " + Quoted(Path("none.csv")), 1, Path("none.csv")},
      {"--format 1 " + Quoted(dir.string()), 1, "is a folder"},
      {Quoted(Path("absa.csv")), 2, "\"--format\" is missing"},
      {"--format 1", 2, "name one statement file"},
      {"--format 1 --account Cheque " + Quoted(Path("absa.csv")), 2, "unknown option"},
  };
  for (const auto& c : cases) {
    const TRun run = Run("parse " + c.Args);
    EXPECT_EQ(run.Status, c.Status) << c.Args;
    EXPECT_EQ(run.Out, "") << c.Args;
    EXPECT_NE(run.Err.find(c.Message), std::string::npos) << c.Args << "\n" << run.Err;
  }
}

}  // namespace
}  // namespace tf::testing

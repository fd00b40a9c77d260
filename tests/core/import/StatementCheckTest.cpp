// A statement file read with the layout of another bank, or with nothing to
// import, is refused with a message that names the layout and what differed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ImportTestSupport.h"
#include "import/OFXParser.h"
#include "import/StatementCheck.h"
#include "import/StatementFormats.h"
#include "import/StatementImport.h"

namespace tf::test {
namespace {

std::string Refusal(int format, const std::string& fixture) {
  const std::unique_ptr<TCSVParser> parser = CreateStatementParser(format);
  return LoadCheckedStatement(*parser, format, Fixture(fixture));
}

struct TOwnFixture {
  int Format;
  const char* File;
};

const TOwnFixture kFixtures[] = {
    {1, "absa.csv"},     {2, "nedbank.csv"},      {3, "fnb.csv"},       {4, "standard.csv"},
    {5, "ofx_sgml.ofx"}, {6, "fnb_advanced.csv"}, {7, "tallyfold.csv"},
};

TEST(StatementCheck, EachFixtureReadsWithItsOwnLayout) {
  for (const TOwnFixture& own : kFixtures) EXPECT_EQ(Refusal(own.Format, own.File), "") << own.File;
}

TEST(StatementCheck, EveryOtherLayoutRefusesIt) {
  for (const TOwnFixture& own : kFixtures) {
    for (const TStatementFormat& format : StatementFormats()) {
      if (format.Number == own.Format) continue;
      const std::string refusal = Refusal(format.Number, own.File);
      const bool refused = refusal.starts_with("This file does not look like ") ||
                           refusal.starts_with(kEmptyStatementMessage);
      EXPECT_TRUE(refused) << own.File << " read as " << format.Name << ": \"" << refusal << "\"";
    }
  }
}

TEST(StatementCheck, TheRefusalNamesTheLayoutAndWhatDiffered) {
  struct Case {
    int format;
    const char* file;
    std::string refusal;
  };
  const Case cases[] = {
      {3, "standard.csv", "This file does not look like an FNB statement: no line holds a date"},
      {4, "absa.csv",
       "This file does not look like a Standard Bank statement: no line holds a date"},
      // Read as ABSA, the account number would be every row's amount.
      {1, "other_bank_account_column.csv",
       "This file does not look like an ABSA statement: its heading puts \"Amount\" in column 3, "
       "not column 4"},
      {2, "absa.csv",
       "This file does not look like a Nedbank cheque account statement: its heading puts "
       "\"Amount\" in column 3, not column 2"},
      {1, "absa_heading_only.csv", kEmptyStatementMessage},
      {5, "absa.csv", kEmptyStatementMessage},
  };
  for (const Case& c : cases) EXPECT_EQ(Refusal(c.format, c.file), c.refusal) << c.file;
}

// Files without a heading that names the columns: the rows decide.
TEST(StatementCheck, RowsWithoutDatesOrAmountsGiveNoStatement) {
  struct Case {
    std::vector<std::string> lines;
    std::string why;
  };
  const Case cases[] = {
      {{"heading", "20240301,SHOP,-5.00,95.00"}, ""},
      {{"heading", "31/03/2024,SHOP,-5.00,95.00"}, "no line holds a date"},
      {{"heading", "20240301,SHOP,,", "20240302,FEE,0,"}, "no dated line holds an amount"},
  };
  for (const Case& c : cases) {
    const std::unique_ptr<TCSVParser> parser = CreateStatementParser(1);
    parser->LoadLines(c.lines);
    const std::string mismatch = LayoutMismatch(1, c.lines, parser->Lines);
    EXPECT_EQ(mismatch,
              c.why.empty() ? "" : "This file does not look like an ABSA statement: " + c.why)
        << c.lines[1];
  }
}

TEST(StatementCheck, EntriesLeftOutAreCountedByReason) {
  struct Case {
    TLeftOutEntries leftOut;
    std::string message;
  };
  const Case cases[] = {
      {{0, 0}, ""},
      {{1, 0}, "1 entry left out: no valid date"},
      {{0, 3}, "3 entries left out: no amount"},
      {{2, 1}, "2 entries left out: no valid date; 1 entry left out: no amount"},
  };
  for (const Case& c : cases) EXPECT_EQ(LeftOutMessage(c.leftOut), c.message) << c.message;
}

TEST(StatementCheck, AStatementOfEntriesAllLeftOutIsEmptyAndSaysWhy) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "tallyfold-all-left-out.ofx";
  std::ofstream(file) << "<OFX><STMTTRN><TRNAMT>-1</STMTTRN>"
                         "<STMTTRN><DTPOSTED>20240231<TRNAMT>-2</STMTTRN></OFX>\n";
  TOFXParser parser;
  EXPECT_EQ(LoadCheckedStatement(parser, 5, file.string()),
            std::string(kEmptyStatementMessage) + "\n2 entries left out: no valid date");
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace tf::test

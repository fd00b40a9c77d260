// The layout of a statement file told from its first lines: each built-in
// layout from a small file of its own, files that two layouts could read
// given to the one whose headings and dates they really have, and no guess
// on a file that no layout places.
#include <gtest/gtest.h>

#include "ImportTestSupport.h"
#include "import/StatementRecognition.h"

namespace tf::test {
namespace {

using TLines = std::vector<std::string>;

int Recognised(const TLines& lines, std::span<const TFormatCandidate> candidates = {}) {
  const std::optional<TStatementRecognition> found = RecogniseStatementFormat(lines, candidates);
  return found ? found->Format : 0;
}

const TLines kAbsa = {"Date,Description,Amount,Balance",
                      "20240301,CARD PURCHASE SPAR,-45.90,954.10",
                      "20240302,SALARY, MARCH,15000.00,15954.10"};
const TLines kNedbank = {"Statement for account",
                         "Account,1234567",
                         "",
                         "Date,Description,Amount,Balance,Unused",
                         "1Mar2024,SHOP,-5.00,95.00,X",
                         "02Mar2024,FEE,-1.00,94.00,X"};
const TLines kFnb = {"FNB",
                     "Account: 62000000000",
                     "Statement period",
                     "",
                     "Opening,100",
                     "Closing,80",
                     "Date,Amount,Balance,Description",
                     "2024/03/01,-20.00,80.00,POS PURCHASE"};
const TLines kStandard = {"Standard Bank",
                          "Account,012345678",
                          "Statement",
                          "Type,Date,Code,Amount,Reference,Description",
                          "HIST,20240301,01,-150.00,ACME,000123",
                          "CLOSE,20240331,99,774.75,,CLOSING BALANCE"};
const TLines kOfxSgml = {"OFXHEADER:100", "DATA:OFXSGML", "", "<OFX>", "<STMTTRN>"};
const TLines kOfxXml = {"<?xml version=\"1.0\"?>", "<?OFX OFXHEADER=\"200\" VERSION=\"211\"?>",
                        "<OFX><BANKMSGSRSV1>"};
const TLines kFnbAdvanced = {"FNB Advanced",
                             "1",
                             "2",
                             "3",
                             "4",
                             "5",
                             "6",
                             "Date,Type,Description,Ref,Code,Amount",
                             " 20240301 ,POS,GROCER,123,X,-98.91"};
const TLines kOwn = {"Date,Type,Description,Category,Sub Category,Amount,Balance",
                     "\"05 Mar 2024\",\"Expense\",\"Groceries\",\"Food\",\"\",\"-500\",\"1500\""};

TEST(StatementRecognition, EachBuiltInLayoutFromItsOwnLines) {
  struct Case {
    const char* name;
    TLines lines;
    int format;
  } const cases[] = {
      {"ABSA", kAbsa, 1},
      {"Nedbank", kNedbank, 2},
      {"FNB", kFnb, 3},
      {"Standard Bank", kStandard, 4},
      {"OFX in SGML", kOfxSgml, 5},
      {"OFX in XML", kOfxXml, 5},
      {"FNB advanced", kFnbAdvanced, 6},
      {"own export", kOwn, 7},
      {"own export, heading only", {kOwn[0]}, 7},
  };
  for (const Case& c : cases) EXPECT_EQ(Recognised(c.lines), c.format) << c.name;
}

TEST(StatementRecognition, SaysWhichLayoutItChose) {
  EXPECT_EQ(RecogniseStatementFormat(kAbsa)->Sentence, "Looks like an ABSA statement");
  EXPECT_EQ(RecogniseStatementFormat(kFnbAdvanced)->Sentence,
            "Looks like an FNB advanced transaction history");
  EXPECT_EQ(RecogniseStatementFormat(kOfxXml)->Candidate, -1);
}

TEST(StatementRecognition, RefusesToGuessOnFilesNoLayoutPlaces) {
  struct Case {
    const char* name;
    TLines lines;
  } const cases[] = {
      {"empty", {}},
      {"prose", {"Dear customer,", "your statement is attached."}},
      {"day-first dates", {"Date,Description,Amount,Balance", "01/03/2024,SHOP,-5.00,95.00"}},
      // Date first, two numbers last: ABSA's shape, but the heading puts the
      // amount in column 3 and the account number would be read as it.
      {"heading against the columns",
       {"Date,Description,Amount,Account,Branch", "20240301,SHOP,-20.00,1234567890,250655"}},
      {"no amount where ABSA has it", {"Date,Description,Amount,Balance", "20240301,SHOP,x,y"}},
      {"impossible date", {"Date,Description,Amount,Balance", "20240231,SHOP,-5.00,95.00"}},
      {"own heading, other dates", {kOwn[0], "2024-03-05,Expense,Groceries,Food,,-500,1500"}},
      // A line with a date in Nedbank's column and one in Standard Bank's,
      // each with an amount where that bank has it.
      {"two layouts fit",
       {"h", "h", "h", "h", "1Mar2024,20240301,01,-5.00,REF,-5.00,95.00,X",
        "2Mar2024,20240302,01,-5.00,REF,-5.00,90.00,X"}},
  };
  for (const Case& c : cases) EXPECT_EQ(RecogniseStatementFormat(c.lines), std::nullopt) << c.name;
}

// ABSA and FNB advanced both date the first column with eight digits; the
// heading block tells them apart, and a dated line inside it rules a layout out.
TEST(StatementRecognition, TheHeadingBlockDecidesBetweenLayoutsWithTheSameDates) {
  const TLines absaSixColumns = {"Date,Description,Ref,Code,Amount,Balance",
                                 "20240301,A,1,X,-1.00,9.00",
                                 "20240302,B,2,X,-1.00,8.00",
                                 "20240303,C,3,X,-1.00,7.00",
                                 "20240304,D,4,X,-1.00,6.00",
                                 "20240305,E,5,X,-1.00,5.00",
                                 "20240306,F,6,X,-1.00,4.00",
                                 "20240307,G,7,X,-1.00,3.00",
                                 "20240308,H,8,X,-1.00,2.00"};
  EXPECT_EQ(Recognised(absaSixColumns), 1);
  TLines fnbAdvancedWithBalance = kFnbAdvanced;
  fnbAdvancedWithBalance.back() += ",100.00";
  EXPECT_EQ(Recognised(fnbAdvancedWithBalance), 6);
  // Standard Bank's rows read as ABSA's would need its heading to be one line.
  EXPECT_EQ(Recognised({"Type,Date,Code,Amount,Reference,Description",
                        "HIST,20240301,01,-150.00,ACME,000123"}),
            0);
}

TEST(StatementRecognition, LooksOnlyAtTheFirstLines) {
  TLines lines = {"Some bank"};
  lines.resize(kRecognitionLines, "notes");
  lines.push_back("<OFX>");
  EXPECT_EQ(Recognised(lines), 0);
}

TEST(StatementRecognition, CandidatesAreAskedOnlyWhenNoBuiltInLayoutFits) {
  int asked = 0;
  const std::vector<TFormatCandidate> candidates = {
      {"Never", [&](const TLines&) { return ++asked, false; }},
      {"Capitec", [&](const TLines& lines) { return ++asked, lines.size() == 2; }},
      {"Later", [&](const TLines&) { return ++asked, true; }},
  };
  EXPECT_EQ(Recognised(kAbsa, candidates), 1);
  EXPECT_EQ(asked, 0);

  const std::optional<TStatementRecognition> found =
      RecogniseStatementFormat({"Nr;Datum;Bedrag", "1;01.03.2024;-5,00"}, candidates);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->Format, 0);
  EXPECT_EQ(found->Candidate, 1);
  EXPECT_EQ(found->Sentence, "Looks like a statement for the saved mapping \"Capitec\"");
  EXPECT_EQ(asked, 2);
}

TEST(StatementRecognition, EveryParserFixtureIsTakenForItsOwnLayout) {
  struct Case {
    const char* file;
    int format;
  } const cases[] = {
      {"absa.csv", 1},         {"absa_utf8_bom.csv", 1}, {"absa_windows1252.csv", 1},
      {"nedbank.csv", 2},      {"fnb.csv", 3},           {"standard.csv", 4},
      {"ofx_sgml.ofx", 5},     {"ofx_xml.ofx", 5},       {"ofx_one_line.ofx", 5},
      {"fnb_advanced.csv", 6}, {"tallyfold.csv", 7},     {"other_bank_account_column.csv", 0},
  };
  for (const Case& c : cases) {
    const std::optional<TStatementRecognition> found = RecogniseStatementFile(Fixture(c.file));
    EXPECT_EQ(found ? found->Format : 0, c.format) << c.file;
  }
}

}  // namespace
}  // namespace tf::test

#include <gtest/gtest.h>

#include <filesystem>

#include "ImportTestSupport.h"
#include "base/SystemNumberFormat.h"
#include "import/ABSACSVParser.h"
#include "import/CSVParser.h"
#include "import/StatementFileError.h"

namespace tf::test {
namespace {

struct CutCase {
  std::string line;
  std::string first, restAfterFirst;
  std::string last, restAfterLast;
};

TEST(CSVParserFields, TakeFirstAndLastFieldCutAtCommasOnly) {
  const CutCase cases[] = {
      {"a,b,c", "a", "b,c", "c", "a,b"},
      {"abc", "abc", "", "abc", ""},
      {"", "", "", "", ""},
      {",", "", "", "", ""},
      {"a,", "a", "", "", "a"},
      {"\"x,y\",z", "\"x", "y\",z", "z", "\"x,y\""},  // quotes mean nothing
  };
  for (const CutCase& c : cases) {
    std::string line = c.line;
    EXPECT_EQ(TCSVParser::TakeFirstField(line), c.first) << c.line;
    EXPECT_EQ(line, c.restAfterFirst) << c.line;
    line = c.line;
    EXPECT_EQ(TCSVParser::TakeLastField(line), c.last) << c.line;
    EXPECT_EQ(line, c.restAfterLast) << c.line;
  }
}

TEST(CSVParserFields, CuttingAUsedUpLineGivesEmptyFields) {
  std::string line = "only";
  EXPECT_EQ(TCSVParser::TakeFirstField(line), "only");
  EXPECT_EQ(TCSVParser::TakeFirstField(line), "");
  EXPECT_EQ(TCSVParser::TakeLastField(line), "");
}

TEST(CSVParserFields, CollapseBlanksKeepsOneOfEachRun) {
  const std::pair<std::string, std::string> cases[] = {
      {"PAYMENT TO  J   SMITH", "PAYMENT TO J SMITH"},
      {"  lead and trail  ", " lead and trail "},
      {"no runs", "no runs"},
      {"", ""},
      {"tab\t\tstays", "tab\t\tstays"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(TCSVParser::CollapseBlanks(text), expected);
}

TEST(CSVParserFields, ExtractBetweenIgnoresCaseAndNeedsBothTags) {
  struct Case {
    std::string text, start, end, expected;
  };
  const Case cases[] = {
      {"<NAME>Shop</NAME>", "<NAME>", "</NAME>", "Shop"},
      {"<name>Shop</Name>", "<NAME>", "</NAME>", "Shop"},
      {"<NAME>Shop", "<NAME>", "</NAME>", ""},
      {"Shop</NAME>", "<NAME>", "</NAME>", ""},
      {"<NAME><MEMO>x", "<NAME>", "<", ""},
      {"<A>x<A>y<", "<A>", "<", "x"},
      {"<A></A>", "<A>", "</A>", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TCSVParser::ExtractBetween(c.text, c.start, c.end), c.expected) << c.text;
  }
}

// The amount conversion seen through the generic layout's amount column.
TEST(CSVParserAmounts, ConvertsPlainDecimalsExactly) {
  struct Case {
    std::string field;
    std::int64_t raw;
    std::string text;
  };
  const Case cases[] = {
      {"-150.00", -1500000, "-150.00"},
      {" 1234567.891 ", 12345678910, "1,234,567.89"},
      {"0.00005", 0, "0.00"},  // half a ten-thousandth rounds to even
      {"0.00015", 2, "0.00"},
      {"1e3", 10000000, "1,000.00"},
      {"+.5", 5000, "0.50"},
      {"1 234.56", 0, "1 234.56"},  // not a number: left as found
      {"R12.00", 0, "R12.00"},
      {"", 0, ""},
      {"-9999999.9999", 0, "-9999999.9999"},  // the exporters' "failed" marker
      {"99999999999999999999", 0, "99999999999999999999"},
  };
  for (const Case& c : cases) {
    TABSACSVParser parser;
    TCSVLineData row;
    parser.ParseLine("20080131,X," + c.field + ",0", row);
    EXPECT_EQ(row.Amount, TCurrency::FromRaw(c.raw)) << c.field;
    EXPECT_EQ(row.AmountText, c.text) << c.field;
  }
}

TEST(CSVParserAmounts, DisplayTextUsesTheSystemSeparators) {
  TSystemNumberFormat saved = SystemNumberFormat();
  SystemNumberFormat().ThousandSeparator = ".";
  SystemNumberFormat().DecimalSeparator = ",";
  TABSACSVParser parser;
  TCSVLineData row;
  parser.ParseLine("20080131,X,-1234.5,1234567.25", row);
  SystemNumberFormat() = saved;
  EXPECT_EQ(row.AmountText, "-1.234,50");
  EXPECT_EQ(row.BalanceText, "1.234.567,25");
}

TEST(CSVParserGenericLayout, ReadsDateDescriptionAmountBalance) {
  TABSACSVParser parser;
  TCSVLineData row;
  row.Duplicate = true;
  parser.ParseLine("  20080131,PAYMENT TO  J  SMITH,REF 12,-150.00,350.25, ", row);
  EXPECT_EQ(row.Date, EncodeDate(2008, 1, 31));
  EXPECT_EQ(row.DateText, "31 Jan 2008");
  EXPECT_EQ(row.Description, "PAYMENT TO J SMITH,REF 12");
  EXPECT_EQ(row.Amount, Money("-150"));
  EXPECT_EQ(row.Balance, Money("350.25"));
  EXPECT_EQ(row.RawLine, "20080131,PAYMENT TO  J  SMITH,REF 12,-150.00,350.25");
  EXPECT_FALSE(row.Duplicate);
}

TEST(CSVParserGenericLayout, DatesOnlyAsEightDigitNumbers) {
  struct Case {
    std::string field;
    TDateTime date;
    std::string text;
  };
  const Case cases[] = {
      {"20080131", EncodeDate(2008, 1, 31), "31 Jan 2008"},
      {"20080229", EncodeDate(2008, 2, 29), "29 Feb 2008"},
      {"20070229", 0, "20070229"},
      {"31/01/2008", 0, "31/01/2008"},
      {"2008013", EncodeDate(2008, 1, 3), "03 Jan 2008"},  // day from the seventh character on
      {"200801", 0, "200801"},
      {"-20080131", 0, "-20080131"},
  };
  for (const Case& c : cases) {
    TABSACSVParser parser;
    TCSVLineData row;
    parser.ParseLine(c.field + ",X,1.00,2.00", row);
    EXPECT_EQ(row.Date, c.date) << c.field;
    EXPECT_EQ(row.DateText, c.text) << c.field;
    EXPECT_EQ(row.Amount, Money("1")) << "amounts are read whatever the date: " << c.field;
  }
}

TEST(CSVParserGenericLayout, BlankDateLeavesAmountsUnread) {
  TABSACSVParser parser;
  TCSVLineData row;
  parser.ParseLine(" ,X,1.00,2.00", row);
  EXPECT_EQ(row.Amount, TCurrency{});
  EXPECT_EQ(row.Balance, TCurrency{});
  EXPECT_EQ(row.AmountText, "1.00");
}

TEST(CSVParserLoad, GenericFixtureGivesOneRowPerStatementLine) {
  TABSACSVParser parser;
  parser.LoadStatement(Fixture("absa.csv"));
  ASSERT_EQ(parser.Lines.size(), 6u);  // heading and blank line skipped
  EXPECT_EQ(parser.Lines[0].Description, "PAYMENT TO J SMITH,REF 12");
  EXPECT_EQ(parser.Lines[1].Date, 0);
  EXPECT_EQ(parser.Lines[1].Amount, Money("500"));
  EXPECT_EQ(parser.Lines[1].Balance, Money("850.25"));
  // A thousand separator splits the amount: the parts are not numbers on their own.
  EXPECT_EQ(parser.Lines[2].Description, "BIG PURCHASE,1");
  EXPECT_EQ(parser.Lines[2].Amount, Money("234.56"));
  const TCSVLineData& commas = parser.Lines[3];
  EXPECT_EQ(commas.RawLine, ",,");
  EXPECT_EQ(commas.Date, 0);
  EXPECT_EQ(commas.Amount, TCurrency{});
  EXPECT_EQ(commas.Description, "");
  EXPECT_EQ(parser.Lines[4].Description, " CARD FEE ");
  EXPECT_EQ(parser.Lines[4].Amount, TCurrency{});
  EXPECT_EQ(parser.Lines[5].Date, 0);
  EXPECT_EQ(parser.Lines[5].Amount, Money("-1.005"));
}

TEST(CSVParserLoad, BlankLinesStillCountInTheLineIndex) {
  struct Recorder : TCSVParser {
    std::vector<int> seen;
    std::string FilterLine(const std::string& line, int index) override {
      seen.push_back(index);
      return TCSVParser::FilterLine(line, index);
    }
  };
  Recorder parser;
  parser.LoadStatement(Fixture("absa.csv"));
  EXPECT_EQ(parser.seen, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST(CSVParserLoad, HeadingOnlyFileGivesNoRows) {
  TABSACSVParser parser;
  parser.LoadStatement(Fixture("absa_heading_only.csv"));
  EXPECT_TRUE(parser.Lines.empty());
}

TEST(CSVParserLoad, UnreadableFileRaisesAnErrorNamingIt) {
  const std::string missing = Fixture("no_such_statement.csv");
  const std::string folder = std::string(TALLYFOLD_TEST_DATA) + "/import";
  for (const std::string& name : {missing, folder}) {
    TABSACSVParser parser;
    try {
      parser.LoadStatement(name);
      ADD_FAILURE() << "no error for " << name;
    } catch (const TStatementFileError& e) {
      EXPECT_EQ(e.FileName, name);
      EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
    }
    EXPECT_TRUE(parser.Lines.empty());
  }
}

}  // namespace
}  // namespace tf::test

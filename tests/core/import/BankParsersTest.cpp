#include <gtest/gtest.h>

#include "ImportTestSupport.h"
#include "import/FNBAdvancedCSVParser.h"
#include "import/FNBCSVParser.h"
#include "import/NedbankCheckingParser.h"
#include "import/StandardCSVParser.h"

namespace tf::test {
namespace {

struct DateCase {
  std::string field;
  TDateTime date;
  std::string text;
};

TEST(NedbankCheckingParser, DatesWithoutSeparators) {
  const DateCase cases[] = {
      {"1Jan2008", EncodeDate(2008, 1, 1), "01 Jan 2008"},
      {"01Jan2008", EncodeDate(2008, 1, 1), "01 Jan 2008"},
      {"31dec2007", EncodeDate(2007, 12, 31), "31 Dec 2007"},
      {"01/01/2008", 0, "01/01/2008"},
      {"31Feb2008", 0, "31Feb2008"},
  };
  for (const DateCase& c : cases) {
    TNedbankCheckingParser parser;
    TCSVLineData row;
    parser.ParseLine(c.field + ",SHOP,-1.00,99.00,X", row);
    EXPECT_EQ(row.Date, c.date) << c.field;
    EXPECT_EQ(row.DateText, c.text) << c.field;
    EXPECT_EQ(row.Amount, Money("-1")) << c.field;
  }
}

TEST(NedbankCheckingParser, FixtureSkipsFourHeadingLinesAndTheFinalColumn) {
  TNedbankCheckingParser parser;
  parser.LoadStatement(Fixture("nedbank.csv"));
  ASSERT_EQ(parser.Lines.size(), 3u);
  EXPECT_EQ(parser.Lines[0].Description, "OPENING DEPOSIT");
  EXPECT_EQ(parser.Lines[0].Amount, Money("1000"));
  EXPECT_EQ(parser.Lines[0].Balance, Money("1000"));
  EXPECT_EQ(parser.Lines[1].Description, "CARD, SHOP");
  EXPECT_EQ(parser.Lines[1].Amount, Money("-25.5"));
  EXPECT_EQ(parser.Lines[1].Balance, Money("974.5"));
  EXPECT_EQ(parser.Lines[1].RawLine, "01Jan2008,CARD, SHOP,-25.50,974.50,X");
  EXPECT_EQ(parser.Lines[2].Date, 0);
  EXPECT_EQ(parser.Lines[2].Balance, Money("973.5"));
}

TEST(FNBCSVParser, DatesWithSlashes) {
  const DateCase cases[] = {
      {"2008/01/31", EncodeDate(2008, 1, 31), "31 Jan 2008"},
      {"2008-01-31", 0, "2008-01-31"},  // ten characters, but hyphens are not removed
      {"20080131", 0, "20080131"},      // only the ten-character form is read
      {"2008/13/01", 0, "20081301"},
  };
  for (const DateCase& c : cases) {
    TFNBCSVParser parser;
    TCSVLineData row;
    parser.ParseLine(c.field + ",-20.00,80.00,SHOP", row);
    EXPECT_EQ(row.Date, c.date) << c.field;
    EXPECT_EQ(row.DateText, c.text) << c.field;
  }
}

TEST(FNBCSVParser, FixtureSkipsSevenHeadingLinesAndKeepsCommasInTheDescription) {
  TFNBCSVParser parser;
  parser.LoadStatement(Fixture("fnb.csv"));
  ASSERT_EQ(parser.Lines.size(), 2u);
  EXPECT_EQ(parser.Lines[0].Date, EncodeDate(2008, 1, 31));
  EXPECT_EQ(parser.Lines[0].Amount, Money("-20"));
  EXPECT_EQ(parser.Lines[0].Balance, Money("80"));
  EXPECT_EQ(parser.Lines[0].Description, "POS PURCHASE, CAPE TOWN");
  EXPECT_EQ(parser.Lines[1].Date, 0);
  EXPECT_EQ(parser.Lines[1].Amount, Money("5"));
}

TEST(StandardCSVParser, NumericDescriptionTakesTheReference) {
  struct Case {
    std::string reference, description, expected;
  };
  const Case cases[] = {
      {"ACME PAYMENT", "000123", "ACME PAYMENT (000123)"},
      {"\" ACME \"", "\"000123\"", "ACME (000123)"},
      {"ACME PAYMENT", "SALARY", "SALARY"},
      {"", "000123", "000123"},
      {"ACME", "0", "0"},
      {"ACME", "\"SALARY  NOW\"", "SALARY NOW"},
  };
  for (const Case& c : cases) {
    TStandardCSVParser parser;
    TCSVLineData row;
    parser.ParseLine("HIST,20080131,01,-1.00," + c.reference + "," + c.description, row);
    EXPECT_EQ(row.Description, c.expected) << c.description;
    EXPECT_EQ(row.Balance, TCurrency{});
  }
}

TEST(StandardCSVParser, FixtureDropsHeadingsAndTheClosingLine) {
  TStandardCSVParser parser;
  parser.LoadStatement(Fixture("standard.csv"));
  ASSERT_EQ(parser.Lines.size(), 3u);
  EXPECT_EQ(parser.Lines[0].Date, EncodeDate(2008, 1, 31));
  EXPECT_EQ(parser.Lines[0].Description, "ACME PAYMENT (000123)");
  EXPECT_EQ(parser.Lines[0].Amount, Money("-150"));
  EXPECT_EQ(parser.Lines[1].Description, "SALARY ADVANCE");
  EXPECT_EQ(parser.Lines[2].Date, 0);  // 2008/2/3 is eight characters, 200823 no date
  EXPECT_EQ(parser.Lines[2].Amount, Money("1000"));
  EXPECT_EQ(parser.Lines[2].Description, "SALARY");
}

TEST(FNBAdvancedCSVParser, FixtureReadsFixedColumnsAfterEightHeadingLines) {
  TFNBAdvancedCSVParser parser;
  parser.LoadStatement(Fixture("fnb_advanced.csv"));
  ASSERT_EQ(parser.Lines.size(), 2u);
  const TCSVLineData& first = parser.Lines[0];
  EXPECT_EQ(first.Date, EncodeDate(2008, 1, 31));
  EXPECT_EQ(first.DateText, "31 Jan 2008");
  EXPECT_EQ(first.Description, "GROCER A");
  EXPECT_EQ(first.Amount, Money("-98.91"));
  EXPECT_EQ(first.BalanceText, "");
  EXPECT_EQ(first.RawLine, "20080131 ,POS,GROCER  A,123,X,-98.91,extra,columns");
  EXPECT_EQ(parser.Lines[1].Date, 0);  // 31/01/08 gives 310108, not yyyymmdd
  EXPECT_EQ(parser.Lines[1].Amount, Money("12"));
}

}  // namespace
}  // namespace tf::test

#include <gtest/gtest.h>

#include "ImportTestSupport.h"
#include "import/TallyfoldCSVParser.h"

namespace tf::test {
namespace {

TEST(TallyfoldCSVParser, TakeQuotedFieldCases) {
  struct Case {
    std::string line, field, rest;
  };
  const Case cases[] = {
      {"\"a\",\"b\"", "a", "\"b\""},
      {"\"Smith, J\",x", "Smith, J", "x"},
      {"\"say \"\"hi\"\"\",x", "say \"hi\"", "x"},
      {"\"say \"\"hi\"\", bye\",x", "say \"hi\", bye", "x"},
      {"\"\"\"\",x", "\"", "x"},
      {"\"the \"best\" shop\",x", "the \"best\" shop", "x"},  // quotes as older exports wrote them
      {"\"say \"hi\"\",x", "say \"hi\"", "x"},
      {"\"\",x", "", "x"},
      {"\"last\"", "last", ""},
      {"plain,x", "plain", "x"},
      {"in\"side\",x", "in\"side\"", "x"},
      {"\"unclosed,x", "unclosed", "x"},
      {"\"ab\"cd,x", "abcd", "x"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    std::string line = c.line;
    EXPECT_EQ(TTallyfoldCSVParser::TakeQuotedField(line), c.field) << c.line;
    EXPECT_EQ(line, c.rest) << c.line;
  }
}

TEST(TallyfoldCSVParser, FixtureReadsTheExportedLayout) {
  TTallyfoldCSVParser parser;
  parser.LoadStatement(Fixture("tallyfold.csv"));
  ASSERT_EQ(parser.Lines.size(), 5u);

  const TCSVLineData& plain = parser.Lines[0];
  EXPECT_EQ(plain.Date, EncodeDate(2008, 1, 5));
  EXPECT_EQ(plain.DateText, "05 Jan 2008");
  EXPECT_EQ(plain.TypeText, "Expense");
  EXPECT_EQ(plain.Description, "Groceries");
  EXPECT_EQ(plain.MainCategoryText, "Food");
  EXPECT_EQ(plain.SubCategoryText, "groceries");
  EXPECT_EQ(plain.Amount, Money("-500"));
  EXPECT_EQ(plain.AmountText, "-500");  // texts stay as read
  EXPECT_EQ(plain.Balance, Money("1500.25"));
  EXPECT_EQ(
      plain.RawLine,
      "\"05 Jan 2008\",\"Expense\",\"Groceries\",\"Food\",\"groceries\",\"-500\",\"1500.25\"");

  const TCSVLineData& comma = parser.Lines[1];
  EXPECT_EQ(comma.Description, "Smith, J refund");
  EXPECT_EQ(comma.MainCategoryText, "Income");
  EXPECT_EQ(comma.SubCategoryText, "Other");
  EXPECT_EQ(comma.Amount, Money("12.5"));
  EXPECT_EQ(comma.Balance, Money("1512.75"));

  EXPECT_EQ(parser.Lines[2].Description, "Say \"hi\" there");
  EXPECT_EQ(parser.Lines[2].Amount, Money("-0.0001"));
  EXPECT_EQ(parser.Lines[2].MainCategoryText, "");
  EXPECT_EQ(parser.Lines[3].Description, "The \"Best\" shop");
  EXPECT_EQ(parser.Lines[3].SubCategoryText, "dining out");

  const TCSVLineData& unquoted = parser.Lines[4];
  EXPECT_EQ(unquoted.Date, 0);  // "8 Jan 2008" is not eleven characters
  EXPECT_EQ(unquoted.TypeText, "Deposit");
  EXPECT_EQ(unquoted.Description, "Unquoted two blanks");
  EXPECT_EQ(unquoted.Amount, TCurrency{});
  EXPECT_EQ(unquoted.AmountText, "abc");
  EXPECT_EQ(unquoted.BalanceText, "x");
}

TEST(TallyfoldCSVParser, AmountsAreReadEvenWithoutADate) {
  TTallyfoldCSVParser parser;
  TCSVLineData row;
  parser.ParseLine("\"\",\"Income\",\"Gift\",\"\",\"\",\"25\",\"-9999999.9999\",", row);
  EXPECT_EQ(row.Date, 0);
  EXPECT_EQ(row.Amount, Money("25"));
  EXPECT_EQ(row.Balance, Money("-9999999.9999"));  // no failure marker in this layout
  EXPECT_EQ(row.RawLine.back(), ',');              // the final comma stays in the key
}

}  // namespace
}  // namespace tf::test

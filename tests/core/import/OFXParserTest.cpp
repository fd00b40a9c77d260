#include <gtest/gtest.h>

#include "ImportTestSupport.h"
#include "import/MarkupText.h"
#include "import/OFXParser.h"

namespace tf::test {
namespace {

TEST(OFXParser, TagValueInXmlAndSgmlForm) {
  struct Case {
    std::string block, name, expected;
  };
  const Case cases[] = {
      {"<STMTTRN><NAME> SHOP </NAME></STMTTRN>", "NAME", "SHOP"},
      {"<STMTTRN><NAME>SHOP<MEMO>x</STMTTRN>", "NAME", "SHOP"},
      {"<STMTTRN><NAME>SHOP   <!-- note --></STMTTRN>", "NAME", "SHOP"},
      {"<STMTTRN><MEMO></MEMO><NAME>SHOP</STMTTRN>", "MEMO", ""},
      {"<STMTTRN><TRNAMT>5</STMTTRN>", "NAME", ""},
      // A value ends at the next "<", wherever its closing tag stands.
      {"<STMTTRN><TRNAMT>-1.50<FITID>7<NAME>A</NAME></FITID></TRNAMT></STMTTRN>", "TRNAMT",
       "-1.50"},
      {"<STMTTRN><NAME>SHOP<!-- note --></NAME></STMTTRN>", "NAME", "SHOP"},
      // CDATA sections belong to the value, "<" and all.
      {"<STMTTRN><NAME> <![CDATA[A<B]]> </NAME></STMTTRN>", "NAME", "<![CDATA[A<B]]>"},
      {"<STMTTRN><name>lower</name></STMTTRN>", "NAME", "lower"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TOFXParser::TagValue(c.block, c.name), c.expected) << c.block;
}

TEST(OFXParser, SgmlFixture) {
  TOFXParser parser;
  parser.LoadStatement(Fixture("ofx_sgml.ofx"));
  // 1,000.00 is no OFX amount (no thousand separators); the last element is
  // never closed.
  ASSERT_EQ(parser.Lines.size(), 2u);
  EXPECT_EQ(parser.LeftOut.NoAmount, 1);
  EXPECT_EQ(parser.LeftOut.NoDate, 0);

  const TCSVLineData& shop = parser.Lines[0];
  EXPECT_EQ(shop.Date, EncodeDate(2008, 1, 31));
  EXPECT_EQ(shop.DateText, "31 Jan 2008");
  EXPECT_EQ(shop.Amount, Money("-12.5"));
  EXPECT_EQ(shop.AmountText, "-12.50");
  EXPECT_EQ(shop.Description, "SHOP");
  EXPECT_EQ(shop.RawLine, "20080131120000[5:EST],SHOP,-12.50");
  EXPECT_EQ(shop.BalanceText, "");

  const TCSVLineData& fees = parser.Lines[1];
  EXPECT_EQ(fees.Date, EncodeDate(2008, 2, 29));
  EXPECT_EQ(fees.Amount, Money("-0.015"));  // the comment after it is no part of it
  EXPECT_EQ(fees.Description, "Fees & charges");
  EXPECT_EQ(fees.RawLine, "20080229,Fees &amp; charges,-0.015");
}

TEST(OFXParser, ACommaIsADecimalSeparatorInAmounts) {
  TOFXParser parser;
  parser.LoadStatement(Fixture("ofx_decimal_comma.ofx"));
  ASSERT_EQ(parser.Lines.size(), 3u);
  EXPECT_EQ(parser.Lines[0].Amount, Money("-200"));
  EXPECT_EQ(parser.Lines[1].Amount, Money("1500.5"));
  EXPECT_EQ(parser.Lines[2].Amount, Money("-12.34"));
  // The key keeps the amount as the bank wrote it.
  EXPECT_EQ(parser.Lines[0].RawLine, "20240305,MIETE MAERZ,-200,00");
  // -1.234,56 has a thousand separator: refused, never read as 0.
  EXPECT_EQ(parser.LeftOut.NoAmount, 1);
  EXPECT_EQ(parser.LeftOut.NoDate, 0);
}

TEST(OFXParser, ClosingTagsAtTheEndOfTheParentEndNoValue) {
  TOFXParser parser;
  parser.LoadStatement(Fixture("ofx_closing_at_end.ofx"));
  ASSERT_EQ(parser.Lines.size(), 2u);
  const TCSVLineData& shop = parser.Lines[0];
  EXPECT_EQ(shop.Date, EncodeDate(2023, 1, 5));
  EXPECT_EQ(shop.Amount, Money("-143.94"));
  EXPECT_EQ(shop.Description, "CARD PURCHASE");
  EXPECT_EQ(shop.RawLine, "20230105120000,CARD PURCHASE,-143.94");
  EXPECT_EQ(parser.Lines[1].Amount, Money("2500"));
  EXPECT_EQ(parser.Lines[1].Description, "SALARY");
  EXPECT_EQ(parser.LeftOut.Total(), 0);
}

TEST(OFXParser, EntriesWithoutADateOrAnAmountAreLeftOutAndCounted) {
  struct Case {
    const char* fixture;
    std::vector<std::string> kept;
    int noDate, noAmount;
  };
  const Case cases[] = {
      {"ofx_empty_entry.ofx", {"FUEL"}, 1, 0},
      {"ofx_undated_entries.ofx", {"KEPT"}, 4, 2},
  };
  for (const Case& c : cases) {
    TOFXParser parser;
    parser.LoadStatement(Fixture(c.fixture));
    std::vector<std::string> kept;
    for (const TCSVLineData& row : parser.Lines) kept.push_back(row.Description);
    EXPECT_EQ(kept, c.kept) << c.fixture;
    EXPECT_EQ(parser.LeftOut.NoDate, c.noDate) << c.fixture;
    EXPECT_EQ(parser.LeftOut.NoAmount, c.noAmount) << c.fixture;
  }
}

TEST(OFXParser, EveryElementOfAOneLineStatementIsARow) {
  TOFXParser parser;
  parser.LoadStatement(Fixture("ofx_one_line.ofx"));
  ASSERT_EQ(parser.Lines.size(), 3u);
  EXPECT_EQ(parser.Lines[0].Date, EncodeDate(2008, 1, 5));
  EXPECT_EQ(parser.Lines[0].Amount, Money("-5"));
  EXPECT_EQ(parser.Lines[1].Description, "SECOND");
  EXPECT_EQ(parser.Lines[1].Date, EncodeDate(2008, 1, 6));
  EXPECT_EQ(parser.Lines[1].Amount, Money("7.25"));
  EXPECT_EQ(parser.Lines[2].Description, "THIRD");
  EXPECT_EQ(parser.Lines[2].RawLine, "20080107,THIRD,-1");
  EXPECT_TRUE(parser.PendingBlock.empty());
}

TEST(OFXParser, EntitiesAreDecodedOnlyInTheDescription) {
  TOFXParser parser;
  parser.LoadStatement(Fixture("ofx_one_line.ofx"));
  ASSERT_FALSE(parser.Lines.empty());
  const std::string raw =
      "A &amp; B &#38; C &#x26; D &lt;E&gt; &quot;F&quot; &apos;G&apos; &amp;lt; H & I &bogus;";
  EXPECT_EQ(parser.Lines[0].Description, "A & B & C & D <E> \"F\" 'G' &lt; H & I &bogus;");
  EXPECT_EQ(parser.Lines[0].RawLine, "20080105," + raw + ",-5.00");
}

TEST(OFXParser, XmlFixtureWithCdataAndEmptyMemo) {
  TOFXParser parser;
  parser.LoadStatement(Fixture("ofx_xml.ofx"));
  ASSERT_EQ(parser.Lines.size(), 2u);
  const TCSVLineData& cdata = parser.Lines[0];
  EXPECT_EQ(cdata.Date, EncodeDate(2008, 1, 31));  // hyphens of 2008-01-31 removed
  EXPECT_EQ(cdata.Description, "ALDI & <SONS> & co");
  EXPECT_EQ(cdata.RawLine, "20080131,<![CDATA[ALDI & <SONS>]]> &amp; co,-16.85");
  const TCSVLineData& named = parser.Lines[1];
  EXPECT_EQ(named.Description, "Café Müller");
  EXPECT_EQ(named.Amount, TCurrency::FromRaw(1158331));
}

// Elements broken over lines in odd places, as fed line by line.
TEST(OFXParser, CollectsElementsAcrossAndWithinLines) {
  struct Case {
    std::vector<std::string> lines;
    std::vector<std::string> descriptions;
  };
  const Case cases[] = {
      {{"<STMTTRN><NAME>A", "</STMTTRN><STMTTRN><NAME>B</STMTTRN>"}, {"A", "B"}},
      {{"<STMTTRN><NAME>LOST", "<STMTTRN><NAME>KEPT", "</STMTTRN>"}, {"KEPT"}},
      {{"<STMTTRN><NAME>LOST<STMTTRN><NAME>KEPT</STMTTRN>"}, {"KEPT"}},
      {{"</STMTTRN>", "<NAME>OUTSIDE"}, {}},
      {{"<STMTTRN><NAME>OPEN"}, {}},
  };
  for (const Case& c : cases) {
    struct Feeder : TOFXParser {
      void Feed(const std::vector<std::string>& lines) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
          AcceptText(FilterLine(lines[i], static_cast<int>(i)));
          for (std::string more = FilterLine("", 0); !more.empty(); more = FilterLine("", 0)) {
            AcceptText(more);
          }
        }
      }
    } parser;
    parser.Feed(c.lines);
    std::vector<std::string> got;
    for (const TCSVLineData& row : parser.Lines) got.push_back(row.Description);
    EXPECT_EQ(got, c.descriptions) << c.lines.front();
  }
}

TEST(MarkupText, DecodesEachReferenceOnce) {
  const std::pair<std::string, std::string> cases[] = {
      {"S&amp;G", "S&G"},
      {"&amp;amp;", "&amp;"},
      {"&#233;t&#xE9;", "\xC3\xA9t\xC3\xA9"},
      {"&#0; &#xD800; &#x110000; &#; &#x;", "&#0; &#xD800; &#x110000; &#; &#x;"},
      {"A & B", "A & B"},
      {"<![CDATA[&amp;]]>&amp;", "&amp;&"},
      {"<![CDATA[open", "<![CDATA[open"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(DecodeCharacterData(text), expected) << text;
}

}  // namespace
}  // namespace tf::test

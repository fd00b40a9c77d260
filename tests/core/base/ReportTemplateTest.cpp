#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <vector>

#include "base/ReportTemplate.h"
#include "base/TemplateError.h"

namespace tf {
namespace {

std::set<std::string> TokensOf(const std::string& text) {
  std::set<std::string> tokens;
  const std::regex token(R"(\|([A-Z0-9]+)\|)");
  for (std::sregex_iterator it(text.begin(), text.end(), token), end; it != end; ++it) {
    tokens.insert((*it)[1]);
  }
  return tokens;
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

struct THtmlTemplateCase {
  int Index;
  const char* Title;
  std::set<std::string> Tokens;
  int Blocks;
};

class HtmlTemplateTest : public ::testing::TestWithParam<THtmlTemplateCase> {};

TEST_P(HtmlTemplateTest, HasTheOutlinedShape) {
  const THtmlTemplateCase& c = GetParam();
  const std::string text = LoadTemplate(c.Index);
  EXPECT_EQ(text.rfind("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\"", 0), 0u);
  EXPECT_NE(text.find("<title>" + std::string(c.Title) + "</title>"), std::string::npos);
  EXPECT_NE(text.find("<meta name=\"author\" content=\"Tallyfold\" />"), std::string::npos);
  EXPECT_NE(text.find("created by <a href="), std::string::npos);
  EXPECT_NE(text.find(">Tallyfold</a>"), std::string::npos);
  EXPECT_NE(text.find("Georgia, Arial, serif"), std::string::npos);
  EXPECT_NE(text.find("#DCDCDC"), std::string::npos);
  EXPECT_EQ(TokensOf(text), c.Tokens);
  for (int block = 1; block <= 4; ++block) {
    EXPECT_EQ(Count(text, RowBlockMarker(block)), block <= c.Blocks ? 2u : 0u) << block;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Templates, HtmlTemplateTest,
    ::testing::Values(
        THtmlTemplateCase{
            0,
            "Financial Year Report",
            {"PERIODSTART", "PERIODEND", "CATEGORY", "SUBCATEGORY", "ROWCOLOR", "DATE", "DESC",
             "PLUS", "MINUS", "BALANCE", "TOTALDESC", "PLUSBALANCE", "MINUSBALANCE", "STYLEID"},
            4},
        THtmlTemplateCase{
            1,
            "Loan Repayment Schedule",
            {"LOANAMOUNT", "PERIODMONTH", "PERIODYEAR", "RATE", "STARTDATE", "ENDDATE", "LOANTOTAL",
             "INTERESTFINAL", "ROWCOLOR", "PAYMENTNO", "PAYMENT", "INTPAY", "INTPAYTOTAL",
             "LOANPAY", "LOANPAYTOTAL", "DATE", "BALANCE"},
            1},
        THtmlTemplateCase{2,
                          "Budget for |PERIOD|",
                          {"PERIOD",    "ROWCOLOR",  "CAT",       "ACT",       "BUD",
                           "DIF",       "DIFCOLOR",  "ACTINC",    "ACTEXP",    "ACTBAL",
                           "BUDINC",    "BUDEXP",    "BUDBAL",    "DIFINC",    "DIFEXP",
                           "DIFBAL",    "DIFCOLOR1", "DIFCOLOR2", "DIFCOLOR3", "DIFCOLOR4",
                           "DIFCOLOR5", "DIFCOLOR6", "DIFCOLOR7", "DIFCOLOR8", "DIFCOLOR9"},
                          2}));

TEST(TemplateTextTest, AllAreAsciiWithCrLfAfterEveryLine) {
  for (int index = 0; index < 4; ++index) {
    const std::string text = LoadTemplate(index);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << index;
    for (std::size_t i = 0; i < text.size(); ++i) {
      ASSERT_LT(static_cast<unsigned char>(text[i]), 128u) << index << " at " << i;
      ASSERT_NE(text[i], '\t') << index << " at " << i;
      if (text[i] == '\n') {
        ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << index << " at " << i;
      }
      if (text[i] == '\r') {
        ASSERT_EQ(text[i + 1], '\n') << index << " at " << i;
      }
    }
  }
}

TEST(TemplateTextTest, StyleSheetsDefineTheClassesTokensComplete) {
  const std::string report = LoadTemplate(0);
  EXPECT_NE(report.find(".money1 { text-align: right; border-top: 4px solid"), std::string::npos);
  EXPECT_NE(report.find(".money2 { text-align: right; border-top: 1px solid"), std::string::npos);
  EXPECT_NE(report.find("class=\"money|STYLEID|\""), std::string::npos);
  const std::string budget = LoadTemplate(2);
  EXPECT_NE(budget.find(".moneyleftR { text-align: right; color: #FF0000; }"), std::string::npos);
  EXPECT_NE(budget.find(".moneyleftB { text-align: right; color: #0000FF; }"), std::string::npos);
  EXPECT_NE(budget.find("<tr bgcolor=\"#F5F5F5\">\r\n    <td>Budgeted</td>"), std::string::npos);
}

// The OFX skeleton line by line: leading blanks and text.
TEST(TemplateTextTest, OfxSkeletonHasItsFortySevenLines) {
  const std::vector<std::pair<int, std::string>> expected = {
      {0, R"(<?xml version="1.0" encoding="US-ASCII" standalone="no"?>)"},
      {0,
       R"(<?OFX OFXHEADER="200" VERSION="200" SECURITY="NONE" OLDFILEUID="NONE" NEWFILEUID="NONE"?>)"},
      {0, "<OFX>"},
      {0, "<SIGNONMSGSRSV1>"},
      {2, "<SONRS>"},
      {4, "<STATUS>"},
      {6, "<CODE>0</CODE>"},
      {6, "<SEVERITY>INFO</SEVERITY>"},
      {4, "</STATUS>"},
      {4, "<DTSERVER></DTSERVER>"},
      {4, "<LANGUAGE>ENG</LANGUAGE>"},
      {2, "</SONRS>"},
      {0, "</SIGNONMSGSRSV1>"},
      {0, "<BANKMSGSRSV1>"},
      {2, "<STMTTRNRS>"},
      {4, "<TRNUID>0</TRNUID>"},
      {4, "<STATUS>"},
      {6, "<CODE>0</CODE>"},
      {6, "<SEVERITY>INFO</SEVERITY>"},
      {4, "</STATUS>"},
      {4, "<STMTRS>"},
      {6, "<CURDEF></CURDEF>"},
      {6, "<BANKACCTFROM>"},
      {8, "<BANKID>000000</BANKID>"},
      {8, "<ACCTID></ACCTID>"},
      {8, "<ACCTTYPE></ACCTTYPE>"},
      {6, "</BANKACCTFROM>"},
      {6, "<BANKTRANLIST>"},
      {8, "<DTSTART></DTSTART>"},
      {8, "<DTEND></DTEND>"},
      {8, "<STMTTRN>"},
      {10, "<TRNTYPE></TRNTYPE>"},
      {10, "<DTPOSTED></DTPOSTED>"},
      {10, "<TRNAMT></TRNAMT>"},
      {10, "<FITID></FITID>"},
      {10, "<NAME></NAME>"},
      {10, "<MEMO></MEMO>"},
      {8, "</STMTTRN>"},
      {6, "</BANKTRANLIST>"},
      {6, "<LEDGERBAL>"},
      {8, "<BALAMT></BALAMT>"},
      {8, "<DTASOF></DTASOF>"},
      {6, "</LEDGERBAL>"},
      {4, "</STMTRS>"},
      {2, "</STMTTRNRS>"},
      {0, "</BANKMSGSRSV1>"},
      {0, "</OFX>"}};
  std::string joined;
  for (const auto& [blanks, line] : expected) joined += std::string(blanks, ' ') + line + "\r\n";
  ASSERT_EQ(expected.size(), 47u);
  EXPECT_EQ(LoadTemplate(3), joined);
}

TEST(LoadTemplateTest, UnknownIndexRaises) {
  for (int index : {-1, 4, 100}) EXPECT_THROW(LoadTemplate(index), TTemplateError) << index;
}

TEST(LoadTemplateTest, EachLoadIsFresh) {
  std::string first = LoadTemplate(1);
  first.clear();
  EXPECT_FALSE(LoadTemplate(1).empty());
}

TEST(FindTemplateTest, MatchesResourceNamesIgnoringCase) {
  EXPECT_EQ(FindTemplate("REPORTFINYEARREPORT"), 0);
  EXPECT_EQ(FindTemplate("loanschedule"), 1);
  EXPECT_EQ(FindTemplate("BudgetDoc"), 2);
  EXPECT_EQ(FindTemplate("exportofx"), 3);
  EXPECT_EQ(FindTemplate("loanschedules"), -1);
  EXPECT_EQ(FindTemplate(""), -1);
}

struct TExtractCase {
  const char* Text;
  const char* Start;
  const char* End;
  const char* Expected;
};

class ExtractBetweenTest : public ::testing::TestWithParam<TExtractCase> {};

TEST_P(ExtractBetweenTest, TakesTheTextBetweenMarkers) {
  const TExtractCase& c = GetParam();
  EXPECT_EQ(ExtractBetween(c.Text, c.Start, c.End), c.Expected) << c.Text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtractBetweenTest,
    ::testing::Values(TExtractCase{"a<!-- #1# -->row<!-- #1# -->b", "<!-- #1# -->", "<!-- #1# -->",
                                   "row"},
                      TExtractCase{"x[A]one[a]two[A]", "[a]", "[A]", "one"},  // first of each
                      TExtractCase{"<STMTTRN>\r\n  <NAME></NAME>\r\n</stmttrn>", "<stmttrn>",
                                   "</STMTTRN>", "\r\n  <NAME></NAME>\r\n"},
                      TExtractCase{"no markers here", "<!-- #1# -->", "<!-- #1# -->", ""},
                      TExtractCase{"only <!-- #1# --> once", "<!-- #1# -->", "<!-- #1# -->", ""},
                      TExtractCase{"end] before [start", "[start", "end]", ""},
                      TExtractCase{"[][]", "[", "]", ""}, TExtractCase{"text", "", "", ""}));

TEST(FillTokenTest, ReplacesEveryOccurrenceIgnoringCase) {
  EXPECT_EQ(FillToken("DATE", "Jan 2024", "<td>|date|</td><td>|DATE|</td>"),
            "<td>Jan 2024</td><td>Jan 2024</td>");
  EXPECT_EQ(FillToken("STYLEID", "1", "class=\"money|STYLEID|\""), "class=\"money1\"");
  EXPECT_EQ(FillToken("DIFCOLOR", "", "moneyleft|DIFCOLOR| moneyleft|DIFCOLOR1|"),
            "moneyleft moneyleft|DIFCOLOR1|");
  EXPECT_EQ(FillToken("ROWCOLOR", "#F5F5F5", "bgcolor=\"|ROWCOLOR|\""), "bgcolor=\"#F5F5F5\"");
}

TEST(FillTokenTest, ValueIsNotSearchedAgain) {
  EXPECT_EQ(FillToken("A", "|A||A|", "|A|-|A|"), "|A||A|-|A||A|");
  EXPECT_EQ(FillToken("A", "x", "no token, |B| and |AB|"), "no token, |B| and |AB|");
}

// The one-pass fill must give what one FillToken per token in turn gives:
// tokens in any case, unknown and unclosed bars, values holding bars and
// other tokens' names.
TEST(FillTokenTest, OnePassFillEqualsFillingTokenByToken) {
  const char* const texts[] = {
      "<tr bgcolor=\"|ROWCOLOR|\"><td>|date|</td><td>|DESC|</td><td>|Plus|</td></tr>",
      "|DESC| a | b |UNKNOWN| |DATE|",
      "no tokens at all",
      "|",
      "||",
      "|DATE",
      "x|DESC|y|DESC|z"};
  for (const char* text : texts) {
    std::string expected = FillToken("DATE", "01 Jan 2024", text);
    expected = FillToken("PLUS", "1,00", expected);
    expected = FillToken("ROWCOLOR", "#FFFFFF", expected);
    expected = FillToken("DESC", "a |DATE| b|", expected);
    std::string filled = "kept ";
    AppendFilledTokens(filled, text,
                       {{"DATE", "01 Jan 2024"},
                        {"PLUS", "1,00"},
                        {"ROWCOLOR", "#FFFFFF"},
                        {"DESC", "a |DATE| b|"}});
    EXPECT_EQ(filled, "kept " + expected) << text;
  }
}

// A small template with two blocks, as the documents use it.
const char* const kFixture =
    "<table>\r\n"
    "<!-- #1# -->\r\n  <tr><td>|NAME|</td></tr>\r\n<!-- #1# -->\r\n"
    "<!-- #2# -->\r\n  <tr><td>total |NAME|</td></tr>\r\n<!-- #2# -->\r\n"
    "</table>\r\n";

TEST(RowBlockTest, CutLeavesMarkersSideBySide) {
  std::string text = kFixture;
  EXPECT_EQ(CutRowBlock(text, 1), "\r\n  <tr><td>|NAME|</td></tr>\r\n");
  EXPECT_EQ(CutRowBlock(text, 2), "\r\n  <tr><td>total |NAME|</td></tr>\r\n");
  EXPECT_EQ(text,
            "<table>\r\n<!-- #1# --><!-- #1# -->\r\n<!-- #2# --><!-- #2# -->\r\n</table>\r\n");
}

TEST(RowBlockTest, RowsFromAllBlocksGoToBlockOne) {
  std::string text = kFixture;
  const std::string row = CutRowBlock(text, 1);
  const std::string total = CutRowBlock(text, 2);
  const std::string rows = FillToken("NAME", "a", row) + FillToken("NAME", "b", total);
  EXPECT_EQ(PlaceRows(text, rows),
            "<table>\r\n\r\n  <tr><td>a</td></tr>\r\n\r\n  <tr><td>total b</td></tr>\r\n\r\n"
            "<!-- #2# --><!-- #2# -->\r\n</table>\r\n");
}

TEST(RowBlockTest, MissingBlockIsEmptyAndChangesNothing) {
  std::string text = kFixture;
  EXPECT_EQ(CutRowBlock(text, 3), "");
  EXPECT_EQ(text, kFixture);
}

TEST(RowBlockTest, DocumentWithoutRowsKeepsItsHeadings) {
  std::string text = LoadTemplate(0);
  for (int block = 1; block <= 4; ++block) EXPECT_FALSE(CutRowBlock(text, block).empty());
  const std::string document = PlaceRows(text, "");
  EXPECT_NE(document.find("<th width=\"12%\">Date</th>"), std::string::npos);
  EXPECT_EQ(document.find("<!-- #1# -->"), std::string::npos);
  EXPECT_EQ(Count(document, "<!-- #4# --><!-- #4# -->"), 1u);
  EXPECT_EQ(document.find("|CATEGORY|"), std::string::npos);
  EXPECT_NE(document.find("|PERIODSTART|"), std::string::npos);  // header tokens are the caller's
}

TEST(ReplaceAllTest, ExactAndEveryOccurrence) {
  EXPECT_EQ(ReplaceAll("aXbxcX", "X", "--"), "a--bxc--");
  EXPECT_EQ(ReplaceAll("abc", "", "z"), "abc");
  EXPECT_EQ(ReplaceAll("aaa", "aa", "a"), "aa");
}

}  // namespace
}  // namespace tf

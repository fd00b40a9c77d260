#include <gtest/gtest.h>

#include "ImportTestSupport.h"
#include "import/ABSACSVParser.h"
#include "import/OFXParser.h"
#include "import/StatementFile.h"
#include "import/TextEncoding.h"

namespace tf::test {
namespace {

TEST(StatementFile, SplitsAtLineFeedAndCarriageReturnLineFeed) {
  using Lines = std::vector<std::string>;
  const std::pair<std::string, Lines> cases[] = {
      {"a\r\nb\nc", {"a", "b", "c"}}, {"a\n", {"a"}}, {"a\n\n", {"a", ""}}, {"\n", {""}}, {"", {}},
      {"a\rb\r\n", {"a\rb"}},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(SplitStatementLines(text), expected);
}

TEST(StatementFile, EncodingIsSettledForTheWholeFile) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain", "plain"},
      {"\xEF\xBB\xBF"
       "caf\xC3\xA9",
       "caf\xC3\xA9"},                                             // BOM dropped
      {"caf\xE9 \x80 \x81", "caf\xC3\xA9 \xE2\x82\xAC \xC2\x81"},  // Windows-1252
      {"\xC3\xA9 then \xE9", "\xC3\x83\xC2\xA9 then \xC3\xA9"},    // one stray byte decides
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},            // a surrogate is no UTF-8
  };
  for (const auto& [bytes, expected] : cases) EXPECT_EQ(StatementBytesToUtf8(bytes), expected);
}

TEST(StatementFile, Windows1252StatementsKeepTheirAccents) {
  TABSACSVParser csv;
  csv.LoadStatement(Fixture("absa_windows1252.csv"));
  ASSERT_EQ(csv.Lines.size(), 1u);
  EXPECT_EQ(csv.Lines[0].Description, "CAF\xC3\x89 M\xC3\x9CLLER \xE2\x82\xAC 5");
  EXPECT_TRUE(IsValidUtf8(csv.Lines[0].RawLine));

  TOFXParser ofx;
  ofx.LoadStatement(Fixture("ofx_windows1252.ofx"));
  ASSERT_EQ(ofx.Lines.size(), 1u);
  EXPECT_EQ(ofx.Lines[0].Description,
            "Caf\xC3\xA9 \xC2\xAB"
            "cr\xC3\xA8me\xC2\xBB");
}

TEST(StatementFile, ByteOrderMarkIsNotPartOfTheHeading) {
  TABSACSVParser parser;
  parser.LoadStatement(Fixture("absa_utf8_bom.csv"));
  ASSERT_EQ(parser.Lines.size(), 1u);
  EXPECT_EQ(parser.Lines[0].Description, "CAF\xC3\x89");
  EXPECT_EQ(parser.Lines[0].RawLine.substr(0, 8), "20080131");
}

}  // namespace
}  // namespace tf::test

// Comma text and CR LF lines, the two stored forms of a list of texts.
#include <gtest/gtest.h>

#include "base/ListText.h"

namespace tf {
namespace {

using TItems = std::vector<std::string>;

struct TCommaCase {
  TItems Items;
  const char* Text;
};

TEST(CommaText, QuotesOnlyItemsThatNeedIt) {
  const TCommaCase cases[] = {
      {{}, ""},
      {{""}, "\"\""},
      {{"Food - pets", "Other"}, "\"Food - pets\",Other"},
      {{"a\"b"}, "\"a\"\"b\""},
      {{"a,b", "c"}, "\"a,b\",c"},
      {{"tab\there"}, "\"tab\there\""},
      {{"dstv/cable", "x"}, "dstv/cable,x"},
      {{"", "a"}, ",a"},
  };
  for (const TCommaCase& c : cases) {
    EXPECT_EQ(ToCommaText(c.Items), c.Text);
    EXPECT_EQ(ParseCommaText(c.Text), c.Items) << c.Text;
  }
}

TEST(CommaText, ReadsLeniently) {
  const TCommaCase cases[] = {
      {{"Food", "pets"}, "Food pets"},  // an unquoted blank splits
      {{"a", "b"}, "  a ,  b  "},
      {{"a", "b"}, "a,b,"},
      {{"ab", "cd", "e"}, "\"ab\"cd,e"},
      {{"unclosed, to the end"}, "\"unclosed, to the end"},
      {{"x\"y"}, "\"x\"\"y\""},
      {{"a", "", "b"}, "a,,b"},
      {{}, " \r\n "},
  };
  for (const TCommaCase& c : cases) {
    EXPECT_EQ(ParseCommaText(c.Text), c.Items) << c.Text;
  }
}

TEST(CommaText, RoundTripsAwkwardItems) {
  const TItems items = {"Income - paycheck", "quote \" inside", "  padded  ",
                        "comma,inside",      "line\r\nbreak",   "plain"};
  EXPECT_EQ(ParseCommaText(ToCommaText(items)), items);
}

TEST(LinesText, EndsEveryLineWithCrLf) {
  EXPECT_EQ(ToLinesText({}), "");
  EXPECT_EQ(ToLinesText({"a", "", "b"}), "a\r\n\r\nb\r\n");
  const std::pair<const char*, TItems> cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"", {}},
      {"\r\n", {""}},
      {" x y ", {" x y "}},
  };
  for (const auto& [text, lines] : cases) {
    EXPECT_EQ(ParseLinesText(text), lines) << text;
  }
}

}  // namespace
}  // namespace tf

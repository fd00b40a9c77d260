#include <gtest/gtest.h>

#include "base/Text.h"

namespace tf {
namespace {

TEST(TrimmedTest, DropsBlanksAndControlCharactersAtTheEndsOnly) {
  struct TCase {
    std::string_view Text, Expected;
  } cases[] = {
      {" \t10 \r\n", "10"},
      {"1 0", "1 0"},
      {" \n ", ""},
      {"", ""},
      {"\x7F"
       "Salary\x7F",
       "Salary"},
      {std::string_view("\0x\0", 3), "x"},
      {"\xC3\xA9t\xC3\xA9 ", "\xC3\xA9t\xC3\xA9"},  // UTF-8 bytes are not blanks
  };
  for (const TCase& c : cases) EXPECT_EQ(Trimmed(c.Text), c.Expected) << c.Text;
}

TEST(ReplaceAllTest, ReplacesLeftToRightWithoutRescanning) {
  EXPECT_EQ(ReplaceAll("a|b|c", "|", "||"), "a||b||c");
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("text", "", "x"), "text");
  EXPECT_EQ(ReplaceAll("", "a", "b"), "");
}

}  // namespace
}  // namespace tf

#include <gtest/gtest.h>

#include "workspace/AmountEntry.h"

namespace tf {
namespace {

TEST(AmountEntry, OnlyDigitsSignSeparatorsAndBackspaceMayBeTyped) {
  for (char32_t c : std::u32string(U"0123456789-,. \b"))
    EXPECT_TRUE(IsAmountCharacter(c)) << int(c);
  for (char32_t c : std::u32string(U"aZ+R()$\x16\x03\x18\tXé"))
    EXPECT_FALSE(IsAmountCharacter(c)) << int(c);
}

TEST(AmountEntry, PastingPutsThePlainNumber) {
  const struct {
    const char* clipboard;
    const char* decimal;
    const char* text;
  } cases[] = {
      {"R 12,50", ".", "12.5"}, {"1,234.56", ".", "1234.56"}, {"1.234,56", ",", "1234,56"},
      {"(12.00)", ".", "12"},   {"-0.25", ".", "-0.25"},      {"nothing", ".", "0"},
      {"", ".", "0"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PastedAmountText(c.clipboard, c.decimal), c.text) << c.clipboard;
}

TEST(AmountEntry, PlusMinusChangesTheSignAndKeepsTheGrouping) {
  const struct {
    const char* text;
    const char* negated;
  } cases[] = {
      {"12.50", "-12.50"},
      {"-12,5", "12,5"},
      {"1,234.50", "-1,234.50"},
      {"-1,234.50", "1,234.50"},
      {"1 234,50", "-1 234,50"},
      {" 5", " -5"},
      {"0.00", "0.00"},
      {"", ""},
      {"0.00-1,234.56", "0.00-1,234.56"},
  };
  for (const auto& c : cases) EXPECT_EQ(NegatedAmountText(c.text), c.negated) << c.text;
}

}  // namespace
}  // namespace tf

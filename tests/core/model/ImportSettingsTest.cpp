#include <gtest/gtest.h>

#include "ModelFixtures.h"

namespace tf::testing {
namespace {

class RecogniseTest : public ModelTest {
 protected:
  TImportSettings* Pattern(const std::string& match, int matchType, const std::string& category,
                           int type = ttExpense, const std::string& accountId = "") {
    TImportSettings* pattern = Patterns().NewPattern();
    SetText(*pattern, TImportSettings::fMatchValue, match);
    pattern->SetMatchType(matchType);
    SetText(*pattern, TImportSettings::fCategoryName, category);
    pattern->SetTransactionType(type);
    SetText(*pattern, TImportSettings::fAccountID, accountId);
    return pattern;
  }
  TImportSettings& Patterns() { return *Root().PatternTable(); }
  TAccount* Account() {
    if (account_ == nullptr) account_ = AddAccount(Root(), "{A}");
    return account_;
  }
  // The category the row has after recognition ("-" when unchanged).
  std::string Recognised(const std::string& description) {
    TTransactions* row = AddTransaction(*Account(), {"", 0, ttIncome, "-", description});
    Patterns().Recognise(row, Account());
    return row->FieldAt(TTransactions::fCategory)->AsString();
  }

 private:
  TAccount* account_ = nullptr;
};

TEST_F(RecogniseTest, MatchTypesOnUpperCasedTrimmedTexts) {
  struct TCase {
    const char* Match;
    int Type;
    const char* Description;
    bool Matches;
  };
  const TCase cases[] = {
      {"rent", mtContains, "MONTHLY RENT PAID", true},
      {" Rent ", mtContains, "monthly rent", true},
      {"rent", mtContains, "monthly re nt", false},
      {"", mtContains, "anything", false},
      {"", mtContains, "", false},
      {"rent", mtStartsWith, "  Rental car", true},
      {"rent", mtStartsWith, "my rent", false},
      {"", mtStartsWith, "anything", true},
      {"paid", mtEndsWith, "rent PAID  ", true},
      {"paid", mtEndsWith, "paid rent", false},
      {"", mtEndsWith, "anything", true},
      {"rent", mtExactMatch, " RENT ", true},
      {"rent", mtExactMatch, "rent paid", false},
      {"", mtExactMatch, "   ", true},
      {"", mtExactMatch, "x", false},
      {"caf\xC3\xA9", mtExactMatch, "CAF\xC3\x89", false},  // only ASCII letters fold
      {"caf\xC3\xA9", mtExactMatch, "CAF\xC3\xA9", true},
  };
  for (const TCase& c : cases) {
    Patterns().Rows().Clear();
    Pattern(c.Match, c.Type, "Hit");
    EXPECT_EQ(Recognised(c.Description), c.Matches ? "Hit" : "-")
        << '"' << c.Match << "\" type " << c.Type << " on \"" << c.Description << '"';
  }
}

TEST_F(RecogniseTest, UnknownStoredMatchTypeBehavesAsContains) {
  TImportSettings* pattern = Pattern("rent", mtExactMatch, "Hit");
  SetText(*pattern, TImportSettings::fMatchType, "??");
  EXPECT_EQ(pattern->GetMatchType(), mtContains);
  EXPECT_EQ(Recognised("my rent"), "Hit");
}

TEST_F(RecogniseTest, EarlierPatternWinsAndGivesItsType) {
  Pattern("shop", mtContains, "General", ttTransfer);
  Pattern("shoprite", mtExactMatch, "Food - groceries", ttExpense);
  TTransactions* row = AddTransaction(*Account(), {"", 0, ttIncome, "", "SHOPRITE"});
  Patterns().Recognise(row, Account());
  EXPECT_EQ(row->FieldAt(TTransactions::fCategory)->AsString(), "General");
  EXPECT_EQ(row->GetTransactionType(), ttTransfer);
}

TEST_F(RecogniseTest, BlankCategoryKeepsTheOldOneButSetsTheType) {
  Pattern("fee", mtContains, "  ", ttDeposit);
  TTransactions* row = AddTransaction(*Account(), {"", 0, ttIncome, "Old", "bank fee"});
  Patterns().Recognise(row, Account());
  EXPECT_EQ(row->FieldAt(TTransactions::fCategory)->AsString(), "Old");
  EXPECT_EQ(row->GetTransactionType(), ttDeposit);
}

TEST_F(RecogniseTest, CategoryIsCopiedAsStored) {
  Pattern("fee", mtContains, " Other - bank charges ");
  EXPECT_EQ(Recognised("fee"), " Other - bank charges ");
}

TEST_F(RecogniseTest, PatternsThatDoNotApply) {
  Pattern("rent", mtContains, "Deleted")->Deleted = true;
  Pattern("rent", mtContains, "Other account", ttExpense, "{B}");
  EXPECT_EQ(Recognised("rent"), "-");
  Pattern("rent", mtContains, "This account", ttExpense, "{A}");
  EXPECT_EQ(Recognised("rent"), "This account");
}

TEST_F(RecogniseTest, LockedRowsAndMissingArgumentsChangeNothing) {
  Pattern("rent", mtContains, "Hit", ttTransfer);
  TTransactions* row = AddTransaction(*Account(), {"", 0, ttIncome, "-", "rent"});
  row->FieldAt(TTransactions::fLockedForAutoMatching)->SetValue(TVariant::Bool(true));
  Patterns().Recognise(row, Account());
  Patterns().Recognise(nullptr, Account());
  EXPECT_EQ(row->FieldAt(TTransactions::fCategory)->AsString(), "-");
  EXPECT_EQ(row->GetTransactionType(), ttIncome);
  row->FieldAt(TTransactions::fLockedForAutoMatching)->SetValue(TVariant::Bool(false));
  Patterns().Recognise(row, &Root());  // the root is no account row
  Patterns().Recognise(row, nullptr);
  EXPECT_EQ(row->FieldAt(TTransactions::fCategory)->AsString(), "-");
}

TEST(MatchTypeTest, NamesCodesAndStoredTexts) {
  EXPECT_EQ(TImportSettings::MatchTypeNames(),
            "Contains\r\nStarts With\r\nEnds With\r\nExact Match");
  const std::pair<const char*, int> names[] = {
      {" starts with ", 1}, {"ENDS WITH", 2}, {"Exact Match", 3}, {"contains", 0}, {"begins", 0}};
  for (const auto& [name, code] : names) EXPECT_EQ(TImportSettings::MatchTypeFromName(name), code);
  std::string name = "kept";
  TImportSettings::MatchTypeName(4, name);
  EXPECT_EQ(name, "kept");
  TImportSettings pattern(nullptr, TBoneKind::Single);
  const char* stored[] = {"*|*", "|*", "*|", "|"};
  for (int code = 0; code < 4; ++code) {
    pattern.SetMatchType(code);
    EXPECT_EQ(pattern.FieldAt(TImportSettings::fMatchType)->AsString(), stored[code]);
    EXPECT_EQ(pattern.GetMatchType(), code);
  }
  pattern.SetMatchType(9);
  EXPECT_EQ(pattern.GetMatchType(), 3);
  SetText(pattern, TImportSettings::fMatchValue, "RENT");
  pattern.SetMatchType(mtStartsWith);
  EXPECT_EQ(pattern.DisplayText(), "RENT(Starts With)");
  pattern.SetTransactionType(8);
  EXPECT_EQ(pattern.GetTransactionType(), 1);
}

}  // namespace
}  // namespace tf::testing

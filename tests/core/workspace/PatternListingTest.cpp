#include <gtest/gtest.h>

#include "WorkspaceFixture.h"
#include "workspace/PatternListing.h"

namespace tf::testing {
namespace {

struct PatternListingTest : WorkspaceTest {
  void SetUp() override {
    WorkspaceTest::SetUp();
    AddAccount("Cheque", "{A}");
    AddPattern("Woolworths", mtContains, "Food - groceries");
    AddPattern("CHECKERS", mtStartsWith, "Food - Groceries", "{A}");
    AddPattern("Engen", mtExactMatch, "Transportation - gas", "{GONE}");
    AddPattern("groceries deleted", mtContains, "")->Deleted = true;
  }
  std::vector<std::string> Listed(const std::string& box) {
    std::vector<std::string> values;
    for (const TImportSettings* p : ListPatterns(Root().PatternTable(), PatternFilterText(box)))
      values.push_back(p->FieldAt(TImportSettings::fMatchValue)->AsString());
    return values;
  }
};

TEST_F(PatternListingTest, TheFilterSearchesMatchValueAndCategoryInAnyCase) {
  const struct {
    const char* box;
    std::vector<std::string> listed;
  } cases[] = {
      {"", {"Woolworths", "CHECKERS", "Engen"}},
      {"filter patterns", {"Woolworths", "CHECKERS", "Engen"}},
      {"  groc ", {"Woolworths", "CHECKERS"}},
      {"wool", {"Woolworths"}},
      {"GAS", {"Engen"}},
      {"nothing", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Listed(c.box), c.listed) << c.box;
}

TEST_F(PatternListingTest, TheRecognitionColumnNamesTheAccountOrAllAccounts) {
  const TImportSettings* table = Root().PatternTable();
  EXPECT_EQ(PatternRecognitionText(*table->PatternAt(0), Root()), "Contains / all acounts");
  EXPECT_EQ(PatternRecognitionText(*table->PatternAt(1), Root()), "Starts With / Cheque");
  EXPECT_EQ(PatternRecognitionText(*table->PatternAt(2), Root()), "Exact Match / all acounts");
}

TEST_F(PatternListingTest, TheDeleteQuestion) {
  EXPECT_EQ(DeletePatternQuestion(*Root().PatternTable()->PatternAt(1)),
            "Delete pattern(CHECKERS(Starts With))?\r\n\t\r\n"
            "\ttip: If you hold in ctrl or alt or shift and press the \r\n"
            "\tdelete button this message will not display and the item\r\n"
            "\twill be automatically deleted");
}

TEST(PatternListing, TheSelectionAfterADelete) {
  const struct {
    int deleted, remaining, selected;
  } cases[] = {
      {0, 2, 0}, {1, 2, 1}, {2, 2, 1}, {4, 1, 0}, {0, 0, -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(IndexAfterDelete(c.deleted, c.remaining), c.selected)
        << c.deleted << "/" << c.remaining;
}

TEST(PatternListing, OkNeedsAMatchValueAndAType) {
  EXPECT_TRUE(IsPatternEntryValid("rent", 0));
  EXPECT_FALSE(IsPatternEntryValid("   ", 0));
  EXPECT_FALSE(IsPatternEntryValid("rent", -1));
}

}  // namespace
}  // namespace tf::testing

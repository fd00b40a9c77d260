#include <gtest/gtest.h>

#include "WorkspaceFixture.h"
#include "base/ListText.h"
#include "workspace/CategoryEditing.h"

namespace tf::testing {
namespace {

struct CategoryEditingTest : WorkspaceTest {
  TCategoryList categories;
  void SetUp() override {
    WorkspaceTest::SetUp();
    for (const char* entry : {"Food - pets", "Food - groceries", "Home - rent", "Other"})
      categories.Add(entry);
  }
};

TEST_F(CategoryEditingTest, StartsSortedWithTheMainsAndTheirSubs) {
  const TCategoryEditing editing(categories);
  EXPECT_EQ(editing.MainNames(), (std::vector<std::string>{"Food", "Home", "Other"}));
  EXPECT_EQ(editing.SubNames("Food"), (std::vector<std::string>{"groceries", "pets"}));
  EXPECT_EQ(editing.SubNames("Other"), (std::vector<std::string>{"Other"}));
}

TEST_F(CategoryEditingTest, AddingAMainGivesItTheSubRenameMe) {
  TCategoryEditing editing(categories);
  EXPECT_EQ(editing.AddMain("  Travel "), std::optional<std::string>("Travel"));
  EXPECT_EQ(editing.SubNames("Travel"), (std::vector<std::string>{"rename me"}));
  EXPECT_EQ(editing.AddMain("food"), std::nullopt);
  EXPECT_EQ(editing.AddMain("   "), std::nullopt);
  EXPECT_EQ(editing.Working().Count(), 5u);
}

TEST_F(CategoryEditingTest, AddingASubOnlyWhenNew) {
  TCategoryEditing editing(categories);
  EXPECT_TRUE(editing.AddSub("Food", " dining out "));
  EXPECT_FALSE(editing.AddSub("Food", "PETS"));
  EXPECT_FALSE(editing.AddSub("Food", ""));
  editing.Sort();
  EXPECT_EQ(editing.SubNames("Food"),
            (std::vector<std::string>{"dining out", "groceries", "pets"}));
}

TEST_F(CategoryEditingTest, DeletingTheLastSubRemovesTheMain) {
  TCategoryEditing editing(categories);
  EXPECT_TRUE(editing.DeleteSub("Food", "pets"));
  EXPECT_FALSE(editing.DeleteSub("Home", "rent"));
  EXPECT_EQ(editing.MainNames(), (std::vector<std::string>{"Food", "Other"}));
  editing.DeleteMain("food");
  EXPECT_EQ(editing.MainNames(), (std::vector<std::string>{"Other"}));
}

TEST_F(CategoryEditingTest, RenamingAMainRenamesEachOfItsEntries) {
  TCategoryEditing editing(categories);
  EXPECT_TRUE(editing.RenameMain("Food", "Meals"));
  EXPECT_FALSE(editing.RenameMain("Home", "  "));
  editing.Sort();
  EXPECT_EQ(
      editing.Working().Entries(),
      (std::vector<std::string>{"Home - rent", "Meals - groceries", "Meals - pets", "Other"}));
  EXPECT_TRUE(editing.RenameSub("Home", "rent", "levy"));
  EXPECT_EQ(editing.SubNames("Home"), (std::vector<std::string>{"levy"}));
}

TEST_F(CategoryEditingTest, StoringKeepsTheCustomListAndRebuildsWithCategoriesInUse) {
  TAccount* account = AddAccount("Cheque", "{A}");
  AddTransaction(*account, "01 Jan 2010", "vet", -10, "Food - pets");
  TCategoryEditing editing(categories);
  editing.DeleteMain("Food");
  editing.Store(Root());
  EXPECT_EQ(Root().ListFieldAt(TAccount::lfCustomCategories)->AsString(),
            "Home - rent\r\nOther\r\n");
  EXPECT_EQ(Global().Categories.Entries(),
            (std::vector<std::string>{"Food - pets", "Home - rent", "Other"}));
}

TEST(CategorySelection, NeedsAMainAndASubAndWarnsOfABudgetedOne) {
  const std::vector<std::string> existing = {"Food - groceries"};
  const struct {
    const char* main;
    const char* sub;
    bool valid, mainMissing, subMissing, listed;
  } cases[] = {
      {"Food", "pets", true, false, false, false},
      {"food ", " GROCERIES", true, false, false, true},
      {"Food", "  ", false, false, true, false},
      {"", "pets", false, true, false, false},
      {" ", "", false, true, false, false},
  };
  for (const auto& c : cases) {
    const TCategorySelectionCheck check = CheckCategorySelection(c.main, c.sub, existing);
    EXPECT_EQ(check.Valid, c.valid) << c.main << "/" << c.sub;
    EXPECT_EQ(check.MainMissing, c.mainMissing) << c.main << "/" << c.sub;
    EXPECT_EQ(check.SubMissing, c.subMissing) << c.main << "/" << c.sub;
    EXPECT_EQ(check.AlreadyListed, c.listed) << c.main << "/" << c.sub;
  }
}

}  // namespace
}  // namespace tf::testing

// The category list: its order, its stored forms, the default content and
// the editing operations of the category editor.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/CategoryList.h"

namespace tf {
namespace {

using TEntries = std::vector<std::string>;

TCategoryList ListOf(const TEntries& entries, bool sorted) {
  TCategoryList list(sorted);
  for (const std::string& entry : entries) list.Add(entry);
  return list;
}

std::string ReadFixture(const std::string& name) {
  std::ifstream in(std::string(TALLYFOLD_TEST_DATA) + "/app/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(CategoryEntry, SplitsAtTheFirstSeparator) {
  struct TCase {
    const char* Entry;
    const char* Main;
    const char* Sub;
  };
  const TCase cases[] = {
      {"Food - pets", "Food", "pets"},
      {"Other", "Other", "Other"},
      {"A - B - C", "A", "B - C"},
      {"Food - ", "Food", ""},
      {"Food-pets", "Food-pets", "Food-pets"},
      {"", "", ""},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(MainCategoryOf(c.Entry), c.Main) << c.Entry;
    EXPECT_EQ(SubCategoryOf(c.Entry), c.Sub) << c.Entry;
  }
  EXPECT_EQ(JoinCategory("  Food ", " pets\t"), "Food - pets");
  EXPECT_EQ(JoinCategory("Food", ""), "Food - ");
}

TEST(CategoryList, KeepsOrderIgnoringCaseAndIgnoresCaseDuplicates) {
  TCategoryList list;
  EXPECT_TRUE(list.Add("food - pets"));
  EXPECT_TRUE(list.Add("Banking"));
  EXPECT_TRUE(list.Add("Food - Groceries"));
  EXPECT_FALSE(list.Add("FOOD - PETS"));
  EXPECT_EQ(list.Entries(), (TEntries{"Banking", "Food - Groceries", "food - pets"}));
  EXPECT_EQ(list.IndexOf("FOOD - groceries"), 1);
  EXPECT_EQ(list.IndexOf("Food"), -1);
}

TEST(CategoryList, CommaTextRoundTrip) {
  TCategoryList list = ListOf({"Other", "Food - pets"}, true);
  EXPECT_EQ(list.CommaText(), "\"Food - pets\",Other");
  TCategoryList read;
  read.Add("stale entry");
  read.SetCommaText(list.CommaText());
  EXPECT_EQ(read.Entries(), list.Entries());

  read.SetCommaText("Food pets,food");
  EXPECT_EQ(read.Entries(), (TEntries{"Food", "pets"}));
}

TEST(CategoryList, DefaultsAreTheFiftyStandardEntries) {
  TCategoryList list;
  list.LoadDefaultCategories();
  ASSERT_EQ(list.Count(), 50u);
  EXPECT_EQ(list.LinesText(), ReadFixture("default-categories.txt"));
  EXPECT_EQ(list.MainCategoriesText(),
            "Debt\r\nFood\r\nHome\r\nIncome\r\nOther\r\nPersonal\r\nSavings\r\n"
            "Transportation\r\nUtilities");
  EXPECT_EQ(list.SubCategoriesText("Food"), "dining out\r\ngroceries\r\npets");
  EXPECT_EQ(list.SubCategoriesText("food"), "");  // exact main only
  TCategoryList stored;
  stored.SetCommaText(list.CommaText());
  EXPECT_EQ(stored.Entries(), list.Entries());
}

TEST(CategoryList, LinesRoundTrip) {
  TCategoryList list = ListOf({"Home - rent", "Zoo", "Car - fuel"}, false);
  EXPECT_EQ(list.LinesText(), "Home - rent\r\nZoo\r\nCar - fuel\r\n");
  TCategoryList sorted;
  sorted.SetLinesText(list.LinesText() + "zoo\r\n");
  EXPECT_EQ(sorted.Entries(), (TEntries{"Car - fuel", "Home - rent", "Zoo"}));
}

TEST(CategoryList, MainCategoriesTextFollowsListOrder) {
  const TCategoryList list = ListOf({"B - x", "A - y", "B - z", "b - w"}, false);
  EXPECT_EQ(list.MainCategoriesText(), "B\r\nA\r\nB\r\nb");
  EXPECT_EQ(list.SubCategoriesText("B"), "x\r\nz");
  EXPECT_EQ(TCategoryList().MainCategoriesText(), "");
}

TEST(CategoryList, LookupsIgnoreCaseAndBlanks) {
  const TCategoryList list = ListOf({"Food - pets", "Other"}, true);
  EXPECT_TRUE(list.MainCategoryExists(" food "));
  EXPECT_FALSE(list.MainCategoryExists("pets"));
  EXPECT_TRUE(list.CategoryExists("FOOD", " Pets"));
  EXPECT_TRUE(list.CategoryExists("Other", "other"));  // a main-only entry is its own sub
  EXPECT_FALSE(list.CategoryExists("Food", "groceries"));
}

TEST(CategoryList, DeletesEveryMatchingEntry) {
  TCategoryList list =
      ListOf({"Food - pets", "food - PETS", "Food - dining", "Home - rent"}, false);
  list.DeleteCategory(" FOOD", "pets ");
  EXPECT_EQ(list.Entries(), (TEntries{"Food - dining", "Home - rent"}));
  list.DeleteMainCategory("food");
  EXPECT_EQ(list.Entries(), (TEntries{"Home - rent"}));
  list.DeleteMainCategory("nothing");
  EXPECT_EQ(list.Count(), 1u);
}

TEST(CategoryList, RenamesAMainInPlaceOnTheWorkingCopy) {
  TCategoryList defaults;
  defaults.LoadDefaultCategories();
  TCategoryList working = defaults.UnsortedCopy();
  const int diningOut = working.IndexOf("Food - dining out");
  working.RenameMainCategory("food", "Meals");
  EXPECT_FALSE(working.MainCategoryExists("Food"));
  EXPECT_EQ(working.SubCategoriesText("Meals"), "dining out\r\ngroceries\r\npets");
  EXPECT_EQ(working[diningOut], "Meals - dining out");
  EXPECT_EQ(defaults.SubCategoriesText("Food"), "dining out\r\ngroceries\r\npets");

  TCategoryList mainOnly = ListOf({"Other"}, false);
  mainOnly.RenameMainCategory("Other", "Misc");
  EXPECT_EQ(mainOnly.Entries(), (TEntries{"Misc - Other"}));
}

TEST(CategoryList, RenamesOnlyTheFirstMatchingSubCategory) {
  TCategoryList working = ListOf({"Food - pets", "Home - pets", "food - Pets"}, false);
  working.RenameSubCategory("FOOD", " pets", " animals ");
  EXPECT_EQ(working.Entries(), (TEntries{"Food - animals", "Home - pets", "food - Pets"}));
}

TEST(CategoryList, RenamingASortedListKeepsItSortedWithoutDuplicates) {
  TCategoryList list = ListOf({"Food - pets", "Home - rent", "Zoo - pets"}, true);
  list.RenameMainCategory("Zoo", "Alpha");
  EXPECT_EQ(list.Entries(), (TEntries{"Alpha - pets", "Food - pets", "Home - rent"}));
  list.RenameSubCategory("Home", "rent", "PETS");
  list.RenameMainCategory("home", "food");
  EXPECT_EQ(list.Entries(), (TEntries{"Alpha - pets", "Food - pets"}));
}

TEST(CategoryList, WorkingCopySortsButKeepsDuplicates) {
  TCategoryList working = ListOf({"b", "A", "a", "C"}, false);
  working.Sort();
  EXPECT_EQ(working.Entries(), (TEntries{"A", "a", "b", "C"}));
  EXPECT_THROW(working.Delete(4), std::out_of_range);
}

}  // namespace
}  // namespace tf

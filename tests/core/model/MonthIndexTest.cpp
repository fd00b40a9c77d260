#include <gtest/gtest.h>

#include "ModelFixtures.h"
#include "model/MonthIndex.h"

namespace tf::testing {
namespace {

class MonthIndexTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    TAccount* a = AddAccount(Root(), "{A}");
    for (const char* date : {"05 Jan 2024", "20 Jan 2024", "03 Feb 2024"})
      AddTransaction(*a, {date});
    AddAccount(Root(), "{EMPTY}");
    TAccount* b = AddAccount(Root(), "{B}");
    b->Deleted = true;  // still indexed: the index gives positions
    AddTransaction(*b, {"07 Mar 2024"});
    index_.Build(Root(), false);
  }
  TMonthIndex index_;
};

TEST_F(MonthIndexTest, OneItemPerAccountMonth) {
  const auto& items = index_.Items();
  ASSERT_EQ(items.size(), 3u);
  const struct {
    const char* Account;
    int Year, Month, First, Last;
  } expected[] = {{"{A}", 2024, 1, 0, 1}, {"{A}", 2024, 2, 2, 2}, {"{B}", 2024, 3, 0, 0}};
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].AccountID, expected[i].Account) << i;
    EXPECT_EQ(items[i].Year, expected[i].Year) << i;
    EXPECT_EQ(items[i].Month, expected[i].Month) << i;
    EXPECT_EQ(items[i].First, expected[i].First) << i;
    EXPECT_EQ(items[i].Last, expected[i].Last) << i;
    EXPECT_EQ(items[i].MonthStart, EncodeDate(expected[i].Year, expected[i].Month, 1)) << i;
  }
}

TEST_F(MonthIndexTest, FindMonthRange) {
  struct TCase {
    const char* Account;
    TDateTime Start, End;
    std::pair<int, int> Range;
  };
  const TCase cases[] = {
      {"{A}", EncodeDate(2024, 1, 1), EncodeDate(2024, 2, 28), {0, 2}},
      {"{A}", EncodeDate(2024, 2, 1), 0, {2, 2}},
      {"{A}", EncodeDate(2024, 1, 15), 0, {0, 1}},
      {"{A}", EncodeDate(2024, 3, 1), 0, {0, 0}},
      {"{A}", EncodeDate(2023, 12, 1), EncodeDate(2024, 1, 31), {0, 1}},
      {"{A}", EncodeDate(2024, 2, 1), EncodeDate(2024, 3, 31), {2, 0}},
      {"{B}", EncodeDate(2024, 3, 1), 0, {0, 0}},
      {"{EMPTY}", EncodeDate(2024, 1, 1), 0, {0, 0}},
      {"", EncodeDate(2024, 1, 1), 0, {0, 0}},
      {"{a}", EncodeDate(2024, 2, 1), 0, {0, 0}},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(index_.FindMonthRange(c.Account, c.Start, c.End), c.Range)
        << c.Account << " " << FormatDayMonthYear(c.Start);
}

// A kept index must never outlive a change of row positions: adding,
// deleting or sorting rows makes it stale, and the next build redoes it.
TEST_F(MonthIndexTest, KeptUntilRowsChange) {
  EXPECT_FALSE(index_.Stale());
  Root().AccountAt(0)->TransactionsTable()->TransactionAt(0)->FieldAt(0)->SetValue(
      TVariant::String("x"));
  EXPECT_FALSE(index_.Stale()) << "a field change leaves positions as they are";
  AddTransaction(*Root().AccountAt(0), {"01 Apr 2024"});
  EXPECT_TRUE(index_.Stale());
  index_.Build(Root(), true);
  EXPECT_FALSE(index_.Stale());
  EXPECT_EQ(index_.Items().size(), 4u);
  Root().AccountAt(0)->TransactionsTable()->SortTransactions();
  EXPECT_TRUE(index_.Stale());
  index_.Build(Root(), true);
  Root().AccountAt(0)->TransactionsTable()->Rows().Delete(3);
  EXPECT_TRUE(index_.Stale());
  index_.Build(Root(), true);
  EXPECT_EQ(index_.Items().size(), 3u);
  index_.Clear();
  EXPECT_TRUE(index_.Empty());
  EXPECT_TRUE(index_.Stale());
  EXPECT_EQ(index_.FindMonthRange("{A}", EncodeDate(2024, 2, 1), 0), std::make_pair(0, 0));
}

// Out of date order, a month may appear twice; the walk takes the first end
// month it meets.
TEST_F(MonthIndexTest, UnsortedTableRepeatsMonths) {
  Root().Rows().Clear();
  TAccount* a = AddAccount(Root(), "{A}");
  for (const char* date : {"05 Jan 2024", "03 Feb 2024", "06 Jan 2024"}) AddTransaction(*a, {date});
  index_.Build(Root(), false);
  ASSERT_EQ(index_.Items().size(), 3u);
  EXPECT_EQ(index_.FindMonthRange("{A}", EncodeDate(2024, 1, 1), 0), std::make_pair(0, 0));
  EXPECT_EQ(index_.FindMonthRange("{A}", EncodeDate(2024, 1, 1), EncodeDate(2024, 2, 1)),
            std::make_pair(0, 1));
}

// The model finds its month index and category list through the root; a
// tree nobody attached them to (a tool's, a test's) still sums right.
TEST(DetachedTreeTest, SumsByVisitingEveryRowAndKeepsNoCategoryList) {
  TAccount root(nullptr, TBoneKind::List);
  TAccount* account = AddAccount(root, "{A}");
  AddTransaction(*account, {"05 Jan 2024", -10, ttExpense, "Food", "", 0});
  AddTransaction(*account, {"03 Feb 2024", -25, ttExpense, "Food", "", 0});
  AddTransaction(*account,
                 {"20 Jan 2024", -5, ttExpense, "Food", "", 0});  // out of order on purpose
  EXPECT_EQ(root.MonthIndex(), nullptr);
  EXPECT_EQ(root.SumCategory(2024, 1, 0, "Food", false), -15);
  EXPECT_EQ(root.SumCategory(2024, 2, 0, "Food", false), -25);
  root.RebuildCategoryList();  // nothing to fill, nothing to fail
  EXPECT_EQ(account->Categories(), nullptr);
}

TEST_F(MonthIndexTest, TheContextsRootCarriesItsLists) {
  EXPECT_EQ(Root().MonthIndex(), &Global().MonthIndex);
  EXPECT_EQ(Root().Categories(), &Global().Categories);
  // Rows reach them through their root.
  TAccount* a = Root().AccountAt(0);
  EXPECT_EQ(a->MonthIndex(), &Global().MonthIndex);
}

}  // namespace
}  // namespace tf::testing

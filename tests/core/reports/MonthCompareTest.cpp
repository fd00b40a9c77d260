#include <gtest/gtest.h>

#include "FinanceFixture.h"
#include "reports/MonthCompare.h"
#include "reports/ReportSelection.h"

namespace tf {
namespace {

using namespace tf::testing;

struct MonthCompareTest : ::testing::Test {
  void SetUp() override { ClearContext(); }
  void TearDown() override { ClearContext(); }

  std::vector<TMonthCompareRow> Rows(TDateTime month1, TDateTime month2) const {
    const std::vector<const TAccount*> accounts = CountedAccounts(Global().Accounts);
    return MonthCompareRows(CollectMonth(accounts, month1), CollectMonth(accounts, month2));
  }
};

struct TRowValues {
  std::string Label;
  double Month1, Month2, Difference;
};

void ExpectRows(const std::vector<TMonthCompareRow>& rows,
                const std::vector<TRowValues>& expected) {
  ASSERT_EQ(rows.size(), expected.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(std::to_string(i) + ":" + expected[i].Label);
    EXPECT_EQ(rows[i].Label, expected[i].Label);
    EXPECT_DOUBLE_EQ(rows[i].Month1, expected[i].Month1);
    EXPECT_DOUBLE_EQ(rows[i].Month2, expected[i].Month2);
    EXPECT_DOUBLE_EQ(rows[i].Difference(), expected[i].Difference);
  }
}

TEST_F(MonthCompareTest, DifferenceIsTheSizeOfTheChangeEitherWay) {
  TAccount& a = AddAccount("A");
  AddTransaction(a, "10 Jan 2024", "", "Salary", "1000", ttIncome);
  AddTransaction(a, "10 Feb 2024", "", "Salary", "1200", ttIncome);
  const TDateTime jan = EncodeDate(2024, 1, 20), feb = EncodeDate(2024, 2, 3);
  ExpectRows(
      Rows(jan, feb),
      {{"All Income", 1000, 1200, 200}, {"Salary", 1000, 1200, 200}, {"All Expenses", 0, 0, 0}});
  ExpectRows(
      Rows(feb, jan),
      {{"All Income", 1200, 1000, 200}, {"Salary", 1200, 1000, 200}, {"All Expenses", 0, 0, 0}});
}

// Categories of both months merged in order, one present in a single month,
// uncategorised rows under an empty label, a refund-dominated expense
// category as a negative length, transfers and deposits left out.
TEST_F(MonthCompareTest, RowsMergeTheMainCategoriesOfBothMonths) {
  TAccount& a = AddAccount("A");
  TAccount& b = AddAccount("B");
  AddTransaction(a, "01 Mar 2024", "", "Salary", "1000", ttIncome);
  AddTransaction(a, "31 Mar 2024", "", "Bonus - Annual", "300", ttIncome);
  AddTransaction(b, "15 Apr 2024", "", "salary", "1000", ttIncome);
  AddTransaction(b, "15 Apr 2024", "", "Interest", "5.5", ttIncome);
  AddTransaction(a, "02 Mar 2024", "", "Food - groceries", "-80");
  AddTransaction(b, "03 Mar 2024", "", "Food - dining out", "-20");
  AddTransaction(a, "05 Apr 2024", "", "Food", "-90");
  AddTransaction(a, "06 Apr 2024", "", "", "-12");
  AddTransaction(a, "07 Apr 2024", "", "Clothes", "-30");
  AddTransaction(a, "08 Apr 2024", "", "Clothes", "50");
  AddTransaction(a, "09 Apr 2024", "", "Card", "-500", ttTransfer);
  AddTransaction(a, "09 Apr 2024", "", "Cash", "40", ttDeposit);
  AddTransaction(a, "10 Apr 2024", "", "Salary", "999", ttIncome).Deleted = true;
  ExpectRows(Rows(EncodeDate(2024, 3, 1), EncodeDate(2024, 4, 30)),
             {{"All Income", 1300, 1005.5, 294.5},
              {"Bonus", 300, 0, 300},
              {"Interest", 0, 5.5, 5.5},
              {"Salary", 1000, 1000, 0},
              {"All Expenses", 100, 82, 18},
              {"", 0, 12, 12},
              {"Clothes", 0, -20, 20},
              {"Food", 100, 90, 10}});
}

TEST_F(MonthCompareTest, BothPickersInOneMonthGiveNoDifference) {
  TAccount& a = AddAccount("A");
  AddTransaction(a, "01 Mar 2024", "", "Salary", "1000", ttIncome);
  AddTransaction(a, "02 Mar 2024", "", "Food", "-0.1");
  AddTransaction(a, "03 Mar 2024", "", "Food", "-0.2");
  for (const TMonthCompareRow& row : Rows(EncodeDate(2024, 3, 1), EncodeDate(2024, 3, 31))) {
    EXPECT_EQ(row.Month1, row.Month2) << row.Label;
    EXPECT_EQ(row.Difference(), 0) << row.Label;
  }
}

TEST_F(MonthCompareTest, NoAccountGivesTheTotalRowsOnly) {
  TAccount& a = AddAccount("A");
  AddTransaction(a, "01 Mar 2024", "", "Salary", "1000", ttIncome);
  ExpectRows(MonthCompareRows(CollectMonth({}, EncodeDate(2024, 3, 1)),
                              CollectMonth({}, EncodeDate(2024, 4, 1))),
             {{"All Income", 0, 0, 0}, {"All Expenses", 0, 0, 0}});
}

// Bars only where a value is not 0, labelled with the row's position.
TEST_F(MonthCompareTest, ChartSeriesCarryTheRowPositions) {
  const std::vector<TMonthCompareRow> rows = {{"All Income", 1000, 1200},
                                              {"Salary", 1000, 1200},
                                              {"All Expenses", 50, 50},
                                              {"Food", 50, 0}};
  const TChartData chart = MonthCompareChart(rows, "Mar 2024", "Apr 2024");
  ASSERT_EQ(chart.Series.size(), 3u);
  auto labels = [](const TChartSeries& series) {
    std::vector<std::string> texts;
    for (const TChartPoint& point : series.Points) texts.push_back(point.Label);
    return texts;
  };
  EXPECT_EQ(chart.Series[0].Title, "Mar 2024");
  EXPECT_EQ(labels(chart.Series[0]),
            (std::vector<std::string>{"0:All Income", "1:Salary", "2:All Expenses", "3:Food"}));
  EXPECT_EQ(chart.Series[1].Title, "Diffrence");
  EXPECT_EQ(labels(chart.Series[1]), (std::vector<std::string>{"0:Diff", "1:Diff", "3:Diff"}));
  EXPECT_EQ(chart.Series[1].Points[2].Value, 50);
  EXPECT_EQ(chart.Series[2].Title, "Apr 2024");
  EXPECT_EQ(labels(chart.Series[2]),
            (std::vector<std::string>{"0:All Income", "1:Salary", "2:All Expenses"}));
}

}  // namespace
}  // namespace tf

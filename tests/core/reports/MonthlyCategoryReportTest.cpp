#include <gtest/gtest.h>

#include "FinanceFixture.h"
#include "base/MemoryPreferenceStore.h"
#include "base/NumberFormat.h"
#include "reports/MonthlyCategoryReport.h"
#include "reports/MonthlyReportText.h"

namespace tf {
namespace {

using namespace tf::testing;
using TLines = std::vector<std::string>;

// Each row as "category: amount per month | total", plain numbers.
TLines Lines(const std::vector<TMonthlyRow>& rows) {
  TLines lines;
  for (const TMonthlyRow& row : rows) {
    std::string line = row.Category + ":";
    for (const TMoneySum& amount : row.Amounts) line += " " + PlainAmount(amount);
    lines.push_back(line + " | " + PlainAmount(row.Total));
  }
  return lines;
}
TLines Lines(const TMonthlySection& section) {
  TLines lines = Lines(section.Rows);
  lines.push_back(Lines({section.Total})[0]);
  return lines;
}

TLines MonthNames(const TMonthlyReport& report) {
  TLines names;
  for (const TReportMonth& month : report.Months) names.push_back(month.Name());
  return names;
}

// Two live accounts and a closed one over January to March 2024, with every
// kind of row the report must leave out.
struct MonthlyCategoryReportTest : ::testing::Test {
  TAccount* cheque = nullptr;
  TAccount* card = nullptr;

  void SetUp() override {
    ClearContext();
    cheque = &AddAccount("Cheque");
    AddTransaction(*cheque, "25 Jan 2024", "pay", "Income - paycheck", "25000", ttIncome);
    AddTransaction(*cheque, "26 Feb 2024", "pay", "Income - paycheck", "25000.5", ttIncome);
    AddTransaction(*cheque, "28 Feb 2024", "interest", "Income - interest", "0.1", ttIncome);
    AddTransaction(*cheque, "29 Feb 2024", "interest", "Income - interest", "0.2", ttIncome);
    AddTransaction(*cheque, "03 Jan 2024", "market", "Food - groceries", "-650", ttExpense);
    AddTransaction(*cheque, "04 Jan 2024", "refund", "Food - groceries", "50", ttExpense);
    AddTransaction(*cheque, "10 Feb 2024", "to savings", "Savings", "-1000", ttTransfer);
    AddTransaction(*cheque, "11 Feb 2024", "deposit", "Food - groceries", "-500", ttDeposit);
    AddTransaction(*cheque, "12 Feb 2024", "deleted", "Food - groceries", "-999").Deleted = true;
    AddTransaction(*cheque, "13 Mar 2024", "unknown", "", "-20", ttExpense);
    card = &AddAccount("Card");
    AddTransaction(*card, "05 Jan 2024", "cafe", "Food - dining out", "-45.25", ttExpense);
    AddTransaction(*card, "06 Mar 2024", "shop", "food - groceries", "-100", ttExpense);
    AddTransaction(*card, "07 Mar 2024", "odd", "Bonus", "12", ttIncome);
    TAccount& closed = AddAccount("Closed");
    AddTransaction(closed, "25 Jan 2024", "old pay", "Income - paycheck", "777", ttIncome);
    closed.Deleted = true;
    TransactionsChanged();
  }
  void TearDown() override { ClearContext(); }

  TMonthlyReportRequest Request(std::optional<TReportMonth> from = TReportMonth{2024, 1},
                                std::optional<TReportMonth> to = TReportMonth{2024, 3}) {
    TMonthlyReportRequest request;
    for (int i = 0; i < Global().Accounts.RowCount(); ++i)
      request.Accounts.push_back(Global().Accounts.AccountAt(i));
    request.From = from;
    request.To = to;
    return request;
  }
};

TEST_F(MonthlyCategoryReportTest, SumsIncomeAndExpensesPerCategoryAndMonth) {
  const TMonthlyReport report = BuildMonthlyReport(Request());
  EXPECT_EQ(MonthNames(report), (TLines{"Jan 2024", "Feb 2024", "Mar 2024"}));
  // Transfers, deposits, deleted rows and the closed account are left out;
  // categories differing in case stay apart; "n/a" comes last.
  EXPECT_EQ(Lines(report.Income), (TLines{"Bonus: 0 0 12 | 12", "Income - interest: 0 0.3 0 | 0.3",
                                          "Income - paycheck: 25000 25000.5 0 | 50000.5",
                                          "Total income: 25000 25000.8 12 | 50012.8"}));
  EXPECT_EQ(Lines(report.Expenses),
            (TLines{"Food - dining out: -45.25 0 0 | -45.25", "Food - groceries: -600 0 0 | -600",
                    "food - groceries: 0 0 -100 | -100", "n/a: 0 0 -20 | -20",
                    "Total expenses: -645.25 0 -120 | -765.25"}));
  EXPECT_EQ(Lines({report.Net}), (TLines{"Net: 24354.75 25000.8 -108 | 49247.55"}));
}

TEST_F(MonthlyCategoryReportTest, TotalsAgreeWithTheSumsOfTheReportsPage) {
  const TMonthlyReport report = BuildMonthlyReport(Request());
  for (std::size_t m = 0; m < report.Months.size(); ++m) {
    double income = 0, expenses = 0;
    for (const TAccount* account : {cheque, card}) {
      const TTransactions* table = account->TransactionsTable();
      income += table->SumByType(report.Months[m].Year, report.Months[m].Month, 0, ttIncome);
      expenses += table->SumByType(report.Months[m].Year, report.Months[m].Month, 0, ttExpense);
    }
    EXPECT_DOUBLE_EQ(report.Income.Total.Amounts[m].ToDouble(), income) << m;
    EXPECT_DOUBLE_EQ(report.Expenses.Total.Amounts[m].ToDouble(), expenses) << m;
  }
}

TEST_F(MonthlyCategoryReportTest, MainDepthGathersSubCategoriesUnderTheirMain) {
  TMonthlyReportRequest request = Request();
  request.Depth = TCategoryDepth::Main;
  const TMonthlyReport report = BuildMonthlyReport(request);
  EXPECT_EQ(Lines(report.Income.Rows),
            (TLines{"Bonus: 0 0 12 | 12", "Income: 25000 25000.8 0 | 50000.8"}));
  EXPECT_EQ(Lines(report.Expenses.Rows),
            (TLines{"Food: -645.25 0 0 | -645.25", "food: 0 0 -100 | -100", "n/a: 0 0 -20 | -20"}));
}

TEST_F(MonthlyCategoryReportTest, OnlyTheChosenAccountsCount) {
  TMonthlyReportRequest request = Request();
  request.Accounts = {card};
  const TMonthlyReport report = BuildMonthlyReport(request);
  EXPECT_EQ(Lines(report.Income.Rows), (TLines{"Bonus: 0 0 12 | 12"}));
  EXPECT_EQ(Lines(report.Expenses.Rows), (TLines{"Food - dining out: -45.25 0 0 | -45.25",
                                                 "food - groceries: 0 0 -100 | -100"}));
}

TEST_F(MonthlyCategoryReportTest, PeriodDefaultsToTheTwelveMonthsUpToTheLastWithTransactions) {
  AddTransaction(*card, "01 Jan 2023", "long ago", "Old", "-1", ttExpense);
  AddTransaction(*card, "01 Aug 2024", "a transfer is no income", "", "-1", ttTransfer);
  TransactionsChanged();
  struct TCase {
    std::optional<TReportMonth> From, To;
    const char* First;
    const char* Last;
    std::size_t Count;
  };
  const TCase cases[] = {
      {std::nullopt, std::nullopt, "Apr 2023", "Mar 2024", 12},
      {TReportMonth{2023, 12}, std::nullopt, "Dec 2023", "Mar 2024", 4},
      {TReportMonth{2025, 6}, std::nullopt, "Jun 2025", "Jun 2025", 1},
      {std::nullopt, TReportMonth{2024, 1}, "Feb 2023", "Jan 2024", 12},
      {TReportMonth{2022, 11}, TReportMonth{2023, 2}, "Nov 2022", "Feb 2023", 4},
  };
  for (const TCase& c : cases) {
    const TLines names = MonthNames(BuildMonthlyReport(Request(c.From, c.To)));
    ASSERT_EQ(names.size(), c.Count) << c.First;
    EXPECT_EQ(names.front(), c.First);
    EXPECT_EQ(names.back(), c.Last);
  }
  // The row of January 2023 shows only in a period that holds it.
  EXPECT_EQ(Lines(BuildMonthlyReport(Request(std::nullopt, std::nullopt)).Expenses.Rows).size(),
            4u);
  EXPECT_EQ(
      Lines(
          BuildMonthlyReport(Request(TReportMonth{2022, 11}, TReportMonth{2023, 2})).Expenses.Rows),
      (TLines{"Old: 0 0 -1 0 | -1"}));
}

TEST_F(MonthlyCategoryReportTest, EmptyPeriodsGiveTotalsOfZero) {
  const TMonthlyReport reversed =
      BuildMonthlyReport(Request(TReportMonth{2024, 3}, TReportMonth{2024, 1}));
  EXPECT_TRUE(reversed.Months.empty());
  EXPECT_TRUE(reversed.Income.Rows.empty());
  EXPECT_EQ(Lines({reversed.Net}), (TLines{"Net: | 0"}));
  ClearContext();
  const TMonthlyReport nothing = BuildMonthlyReport(Request(std::nullopt, std::nullopt));
  EXPECT_TRUE(nothing.Months.empty());
  EXPECT_EQ(MonthlyReportCsv(nothing),
            "Category,Total\r\nTotal income,0\r\nTotal expenses,0\r\nNet,0\r\n");
}

TEST_F(MonthlyCategoryReportTest, CsvQuotesOnlyWhatNeedsIt) {
  AddTransaction(*card, "08 Mar 2024", "", "Gifts, \"big\" ones", "-3", ttExpense);
  TransactionsChanged();
  const std::string csv = MonthlyReportCsv(BuildMonthlyReport(Request()));
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")), "Category,Jan 2024,Feb 2024,Mar 2024,Total");
  EXPECT_NE(csv.find("\r\n\"Gifts, \"\"big\"\" ones\",0,0,-3,-3\r\n"), std::string::npos) << csv;
  EXPECT_NE(csv.find("\r\nIncome - paycheck,25000,25000.5,0,50000.5\r\n"), std::string::npos);
}

TEST_F(MonthlyCategoryReportTest, TableAlignsColumnsInTheUsersNumberFormat) {
  AddTransaction(*card, "08 Mar 2024", "", "Café", "-3", ttExpense);
  TransactionsChanged();
  TMemoryPreferenceStore preferences;
  preferences.WriteSetting(TNumberFormat::kThousandsSetting, ".");
  preferences.WriteSetting(TNumberFormat::kDecimalSetting, ",");
  TNumberFormat format(preferences);
  TMonthlyReportRequest request = Request(TReportMonth{2024, 2}, TReportMonth{2024, 3});
  const std::string table = MonthlyReportTable(BuildMonthlyReport(request), format);
  EXPECT_NE(table.find("\n  Income - paycheck  25.000,50      0,00  25.000,50\n"),
            std::string::npos)
      << table;
  EXPECT_NE(table.find("\n  Café                    0,00     -3,00      -3,00\n"),
            std::string::npos)
      << table;
  EXPECT_EQ(table.substr(0, table.find('\n')),
            "Category              Feb 2024  Mar 2024      Total");
}

}  // namespace
}  // namespace tf

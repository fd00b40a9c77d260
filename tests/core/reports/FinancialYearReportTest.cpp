#include <gtest/gtest.h>

#include "FinanceFixture.h"
#include "base/ReportTemplate.h"
#include "base/SystemNumberFormat.h"
#include "reports/FinancialYearReport.h"
#include "support/GoldenFile.h"

namespace tf {
namespace {

using namespace tf::testing;

struct FinancialYearReportTest : ::testing::Test {
  void SetUp() override { ClearContext(); }
  void TearDown() override {
    ClearContext();
    SystemNumberFormat() = TSystemNumberFormat{};
  }
  const TDateTime from = EncodeDate(2024, 1, 1);
  const TDateTime to = EncodeDate(2024, 12, 31) + EncodeTime(23, 59, 59);
};

std::vector<std::string> Descriptions(const std::vector<const TTransactions*>& rows) {
  std::vector<std::string> texts;
  for (const TTransactions* t : rows)
    texts.push_back(t->FieldAt(TTransactions::fDescription)->AsString());
  return texts;
}

TEST_F(FinancialYearReportTest, CollectsThePeriodInReportOrder) {
  TAccount& cheque = AddAccount("Cheque");
  TAccount& card = AddAccount("Card");
  AddTransaction(cheque, "31 Dec 2023", "day before", "Food", "-1");
  AddTransaction(cheque, "01 Jan 2024", "first day", "food", "-2", ttExpense, 9);
  AddTransaction(card, "01 Jan 2024", "same day, smaller order", "Food", "-3", ttTransfer, 2);
  AddTransaction(cheque, "05 Mar 2024", "deleted", "Food", "-4").Deleted = true;
  AddTransaction(card, "31 Dec 2024", "last day", "Bonus", "5", ttIncome);
  AddTransaction(card, "01 Jan 2025", "day after", "Bonus", "6", ttIncome);
  AddTransaction(cheque, "10 Feb 2024", "uncategorised", "", "-7");
  TAccount& closed = AddAccount("Closed");
  AddTransaction(closed, "10 Feb 2024", "closed account", "", "-8");
  closed.Deleted = true;
  EXPECT_EQ(Descriptions(CollectReportTransactions(Global().Accounts, from, to)),
            (std::vector<std::string>{"uncategorised", "last day", "same day, smaller order",
                                      "first day"}));
}

TEST_F(FinancialYearReportTest, ComparesCategoryThenDayThenSortOrder) {
  TAccount& a = AddAccount("A");
  TTransactions& food1 = AddTransaction(a, "02 Jan 2024", "", "Food", "0", ttExpense, 5);
  TTransactions& food2 = AddTransaction(a, "02 Jan 2024", "", "FOOD", "0", ttExpense, 1);
  TTransactions& food3 = AddTransaction(a, "01 Jan 2024", "", "food", "0", ttExpense, 7);
  TTransactions& bonus = AddTransaction(a, "09 Jan 2024", "", "Bonus", "0", ttExpense, 9);
  TTransactions& foodSub = AddTransaction(a, "01 Jan 2024", "", "Food - a", "0");
  struct TCase {
    const TTransactions* A;
    const TTransactions* B;
    int Sign;
  };
  for (const TCase& c :
       {TCase{&food2, &food1, -1}, TCase{&food3, &food2, -1}, TCase{&bonus, &food3, -1},
        TCase{&food1, &foodSub, -1}, TCase{&food1, &food1, 0}}) {
    const int result = CompareReportTransactions(c.A, c.B);
    EXPECT_EQ((result > 0) - (result < 0), c.Sign);
    const int reverse = CompareReportTransactions(c.B, c.A);
    EXPECT_EQ((reverse > 0) - (reverse < 0), -c.Sign);
  }
}

// The groups of the report: uncategorised first, a category without a sub
// part, two sub-categories, a change of letter case inside one run, running
// balances, a zero amount, and descriptions with markup.
TEST_F(FinancialYearReportTest, DocumentMatchesGolden) {
  TAccount& cheque = AddAccount("Cheque");
  TAccount& card = AddAccount("Card");
  AddTransaction(cheque, "15 Jan 2024", "Cash <withdrawal>", "", "-80");
  AddTransaction(cheque, "20 Feb 2024", "Annual bonus", "Bonus", "1234.5", ttIncome);
  AddTransaction(card, "03 Mar 2024", "Fish & Chips |DATE|", "Food - dining out", "-45.25");
  AddTransaction(card, "02 Mar 2024", "Free meal", "Food - dining out", "0");
  AddTransaction(cheque, "01 Mar 2024", "Market", "Food - groceries", "-100.10");
  AddTransaction(card, "04 Mar 2024", "Refund", "Food - groceries", "20", ttIncome);
  AddTransaction(cheque, "05 Mar 2024", "Corner shop", "food - groceries", "-9.90");
  AddTransaction(cheque, "06 Mar 2024", "Bakery", "Food - groceries", "-3");
  AddTransaction(cheque, "07 Mar 2024", "Pay <script>", "Salary & <Wages>", "25000", ttIncome);
  const std::string html = FinancialYearReport(Global().Accounts, from, to);
  EXPECT_EQ(html.find("<script>"), std::string::npos);
  EXPECT_EQ(html.find("<!-- #1# -->"), std::string::npos);
  EXPECT_NE(html.find("<td>01 Jan 2024 to 31 Dec 2024</td>"), std::string::npos);
  ExpectMatchesGolden(html, DataPath("reports/finyear-2024.htm"));
}

TEST_F(FinancialYearReportTest, EmptyPeriodKeepsTheHeadingsAndNoRows) {
  TAccount& cheque = AddAccount("Cheque");
  AddTransaction(cheque, "15 Jan 2023", "outside", "Food", "-80");
  const std::string html = FinancialYearReport(Global().Accounts, from, to);
  std::string expected = LoadTemplate(0);
  for (int block = 1; block <= 4; ++block) CutRowBlock(expected, block);
  expected = FillToken("PERIODSTART", "01 Jan 2024", PlaceRows(expected, ""));
  EXPECT_EQ(html, FillToken("PERIODEND", "31 Dec 2024", expected));
  EXPECT_NE(html.find("<!-- #2# --><!-- #2# -->"), std::string::npos);
  EXPECT_NE(html.find("<th width=\"12%\" class=\"money\">Balance</th>"), std::string::npos);
}

TEST_F(FinancialYearReportTest, AmountsUseTheSystemSeparators) {
  SystemNumberFormat() = TSystemNumberFormat{.DecimalSeparator = ",", .ThousandSeparator = "."};
  TAccount& cheque = AddAccount("Cheque");
  AddTransaction(cheque, "15 Jan 2024", "a", "Car", "-1234.5");
  const std::string html = FinancialYearReport(Global().Accounts, from, to);
  EXPECT_NE(html.find("<td class=\"money\">-1.234,50</td>"), std::string::npos);
  EXPECT_NE(html.find("<td class=\"money1\">-1.234,50</td>"), std::string::npos);
}

TEST_F(FinancialYearReportTest, DefaultFileNameHasBothDates) {
  EXPECT_EQ(FinancialYearReportFileName(from, to),
            "Financial Year Report 01 Jan 2024 to 31 Dec 2024.htm");
}

}  // namespace
}  // namespace tf

#include <gtest/gtest.h>

#include "FinanceFixture.h"
#include "base/MemoryPreferenceStore.h"
#include "base/NumberFormat.h"
#include "base/SystemNumberFormat.h"
#include "budgets/BudgetExport.h"
#include "budgets/BudgetMonth.h"
#include "support/GoldenFile.h"

namespace tf {
namespace {

using namespace tf::testing;

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(BudgetExportNameTest, DefaultNameIsTheMonth) {
  EXPECT_EQ(BudgetExportDefaultName(2026, 3), "Budget for Mar 2026");
  EXPECT_EQ(BudgetExportDefaultName(2024, 12), "Budget for Dec 2024");
}

TEST(BudgetExportNameTest, AppendsTheFormsExtensionUnlessItIsThere) {
  struct TCase {
    const char* Chosen;
    TBudgetExportForm Form;
    const char* Written;
  };
  const TCase cases[] = {
      {"Budget for Mar 2026", TBudgetExportForm::Html, "Budget for Mar 2026.html"},
      {"Budget for Mar 2026", TBudgetExportForm::Csv, "Budget for Mar 2026.csv"},
      {"report.CSV", TBudgetExportForm::Csv, "report.CSV"},
      {"report.csv", TBudgetExportForm::Html, "report.csv.html"},
      {"report.htm", TBudgetExportForm::Html, "report.htm.html"},
      {"report.Html", TBudgetExportForm::Html, "report.Html"},
      {"/home/me/v1.2/report", TBudgetExportForm::Csv, "/home/me/v1.2/report.csv"},
      {"budget.", TBudgetExportForm::Csv, "budget..csv"},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(BudgetExportFileName(c.Chosen, c.Form), c.Written) << c.Chosen;
}

TEST(BudgetExportNameTest, FormFollowsTheExtension) {
  EXPECT_EQ(BudgetExportFormOf("out/b.CSV"), TBudgetExportForm::Csv);
  EXPECT_EQ(BudgetExportFormOf("b.htm"), TBudgetExportForm::Html);
  EXPECT_EQ(BudgetExportFormOf("b.HTML"), TBudgetExportForm::Html);
  for (const char* path : {"b.txt", "b", "b.csv/", "dir.csv/b", "b.html.bak"})
    EXPECT_EQ(BudgetExportFormOf(path), std::nullopt) << path;
}

// Three income and two expense lines of March 2026, as the page lists them.
struct BudgetExportTest : ::testing::Test {
  TMemoryPreferenceStore preferences;
  TNumberFormat format{preferences};
  std::vector<TBudget*> lines;

  void SetUp() override {
    ClearContext();
    TAccount& cheque = AddAccount("Cheque");
    AddTransaction(cheque, "01 Mar 2026", "pay", "Salary", "25000", ttIncome);
    AddTransaction(cheque, "02 Mar 2026", "interest", "Interest", "12.34", ttIncome);
    AddTransaction(cheque, "03 Mar 2026", "shop", "Food - groceries", "-1250", ttExpense);
    AddTransaction(cheque, "04 Mar 2026", "fuel", "Car <fuel> & \"oil\", |ACT|", "-1800.5");
    TransactionsChanged();
    AddBudgetLine("Salary", 2026, 3, "24000", true);
    AddBudgetLine("Interest", 2026, 3, "12.34", true);
    AddBudgetLine("Gifts", 2026, 3, "100", true);
    AddBudgetLine("Food - groceries", 2026, 3, "1500", false);
    AddBudgetLine("Car <fuel> & \"oil\", |ACT|", 2026, 3, "1000", false);
    TBudgetMonth month(Global().Accounts, 2026, 3);
    month.Refresh();
    lines = month.Lines();
  }
  void TearDown() override {
    ClearContext();
    SystemNumberFormat() = TSystemNumberFormat{};
  }
};

TEST_F(BudgetExportTest, CsvHasOneQuotedLinePerBudgetLine) {
  const std::string csv = BudgetCsv(lines, format);
  EXPECT_NE(
      csv.find("\r\n\"Expense\",\"Food - groceries\",\"-1,250.00\",\"1,500.00\",\"250.00\"\r\n"),
      std::string::npos);
  // A quote inside a field is doubled, so the field reads back whole.
  EXPECT_NE(csv.find(",\"Car <fuel> & \"\"oil\"\", |ACT|\","), std::string::npos);
  ExpectMatchesGolden(csv, DataPath("budgets/budget-mar-2026.csv"));
}

TEST_F(BudgetExportTest, HtmlRowsUsePreferenceSeparatorsAndSummarySystemOnes) {
  preferences.WriteSetting(TNumberFormat::kThousandsSetting, " ");
  preferences.WriteSetting(TNumberFormat::kDecimalSetting, ",");
  SystemNumberFormat() = TSystemNumberFormat{.DecimalSeparator = ".", .ThousandSeparator = ","};
  const std::string html = BudgetHtml(lines, 2026, 3, format);
  EXPECT_NE(html.find("<td class=\"moneyleft\">25 000,00</td>"), std::string::npos);
  EXPECT_NE(html.find("moneyleftB\">25,012.34<"), std::string::npos);
  // Remaining exactly 0: the plain amount style.
  EXPECT_NE(html.find("<td class=\"moneyleft\">0,00</td>\r\n  </tr>"), std::string::npos);
  EXPECT_EQ(html.find("<fuel>"), std::string::npos);
  EXPECT_NE(html.find("Car &lt;fuel&gt; &amp; &quot;oil&quot;, &#124;ACT&#124;"),
            std::string::npos);
  ExpectMatchesGolden(html, DataPath("budgets/budget-mar-2026.html"));
}

TEST_F(BudgetExportTest, RowColoursRunAcrossBothSections) {
  const std::string html = BudgetHtml(lines, 2026, 3, format);
  std::vector<std::string> colours;
  for (std::size_t at = html.find("bgcolor=\""); at != std::string::npos;
       at = html.find("bgcolor=\"", at + 1))
    colours.push_back(html.substr(at + 9, 7));
  // Five lines, then the summary's fixed Budgeted row.
  const std::vector<std::string> expected = {"#F5F5F5", "#FFFFFF", "#F5F5F5",
                                             "#FFFFFF", "#F5F5F5", "#F5F5F5"};
  EXPECT_EQ(colours, expected);
  EXPECT_LT(html.find("Interest"), html.find("Salary"));
  EXPECT_LT(html.find("Salary"), html.find(">Expenses<"));
}

TEST_F(BudgetExportTest, EmptyMonthStillMakesADocument) {
  const std::vector<TBudget*> none;
  EXPECT_EQ(BudgetCsv(none, format),
            "\"Type\",\"Category\",\"Actual\",\"Budgeted\",\"Difference\"\r\n");
  const std::string html = BudgetHtml(none, 2030, 1, format);
  EXPECT_NE(html.find("<title>Budget for Jan 2030</title>"), std::string::npos);
  EXPECT_EQ(html.find("|"), std::string::npos);
  EXPECT_EQ(Count(html, "moneyleftR"), 1u);  // the style sheet's only
  EXPECT_EQ(Count(html, "moneyleftB"), 1u);
  EXPECT_EQ(Count(html, "<td class=\"moneyleft\">0.00</td>"), 9u);
  EXPECT_EQ(BudgetDocument(TBudgetExportForm::Csv, none, 2030, 1, format), BudgetCsv(none, format));
}

}  // namespace
}  // namespace tf

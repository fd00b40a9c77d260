// The small shared pieces of every HTML document: escaping, amounts, row
// colours and the saved file's name.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "base/SystemNumberFormat.h"
#include "reports/HtmlEscape.h"
#include "reports/ReportAmount.h"
#include "reports/ReportFileName.h"
#include "reports/RowColors.h"

namespace tf {
namespace {

TEST(HtmlEscapeTest, EscapesMarkupCharacters) {
  EXPECT_EQ(HtmlEscape("Fish & Chips <Ltd>"), "Fish &amp; Chips &lt;Ltd&gt;");
  EXPECT_EQ(HtmlEscape("\"Joe's\""), "&quot;Joe&#39;s&quot;");
  EXPECT_EQ(HtmlEscape("<script>alert(1)</script>"), "&lt;script&gt;alert(1)&lt;/script&gt;");
  EXPECT_EQ(HtmlEscape("&amp;"), "&amp;amp;");  // data is never taken for markup
  EXPECT_EQ(HtmlEscape("Caf\xC3\xA9 - groceries |DATE|"), "Caf\xC3\xA9 - groceries |DATE|");
  EXPECT_EQ(HtmlEscape(""), "");
}

// Restores the system separators the tests change.
class ReportAmountTest : public ::testing::Test {
 protected:
  void TearDown() override { SystemNumberFormat() = saved_; }
  void UseSystem(const char* thousand, const char* decimal) {
    SystemNumberFormat().ThousandSeparator = thousand;
    SystemNumberFormat().DecimalSeparator = decimal;
  }

 private:
  TSystemNumberFormat saved_ = SystemNumberFormat();
};

TEST_F(ReportAmountTest, UsesTheSystemSeparators) {
  UseSystem(",", ".");
  EXPECT_EQ(FormatReportAmount(-1234.5), "-1,234.50");
  EXPECT_EQ(FormatReportAmount(TCurrency::FromRaw(-12345000)), "-1,234.50");
  UseSystem(".", ",");
  EXPECT_EQ(FormatReportAmount(-1234.5), "-1.234,50");
  UseSystem("\xC2\xA0", ",");
  EXPECT_EQ(FormatReportAmount(1234567.891),
            "1\xC2\xA0"
            "234\xC2\xA0"
            "567,89");
}

TEST_F(ReportAmountTest, PatternCases) {
  UseSystem(",", ".");
  const std::pair<double, const char*> cases[] = {{0, "0.00"},
                                                  {0.5, "0.50"},
                                                  {-80, "-80.00"},
                                                  {999.999, "1,000.00"},
                                                  {0.125, "0.13"},
                                                  {-0.125, "-0.13"},  // halves away from zero
                                                  {-0.004, "0.00"},
                                                  {123456789012.34, "123,456,789,012.34"},
                                                  {1e18, "1,000,000,000,000,000,000.00"}};
  for (const auto& [amount, expected] : cases)
    EXPECT_EQ(FormatReportAmount(amount), expected) << amount;
}

TEST_F(ReportAmountTest, NotANumberIsRefused) {
  EXPECT_THROW(FormatReportAmount(std::nan("")), std::domain_error);
  EXPECT_THROW(FormatReportAmount(INFINITY), std::domain_error);
}

TEST(RowColorsTest, AlternatesFromShadedAndResets) {
  TRowColors colors;
  EXPECT_EQ(colors.Next(), "#F5F5F5");
  EXPECT_EQ(colors.Next(), "#FFFFFF");
  EXPECT_EQ(colors.Next(), "#F5F5F5");
  colors.Reset();
  EXPECT_EQ(colors.Next(), "#F5F5F5");
}

TEST(ReportFileNameTest, AppendsHtmUnlessPresent) {
  const std::pair<const char*, const char*> cases[] = {
      {"report.htm", "report.htm"},
      {"report.HTM", "report.HTM"},
      {"Report.Htm", "Report.Htm"},
      {"report.txt", "report.txt.htm"},
      {"report.html", "report.html.htm"},
      {"report", "report.htm"},
      {"C:\\my.docs\\report", "C:\\my.docs\\report.htm"},
      {"/home/me/v1.2/Loan Repayment Schedule.htm", "/home/me/v1.2/Loan Repayment Schedule.htm"},
      {"/home/me/v1.htm/report", "/home/me/v1.htm/report.htm"},
  };
  for (const auto& [chosen, expected] : cases)
    EXPECT_EQ(ReportFileName(chosen), expected) << chosen;
}

}  // namespace
}  // namespace tf

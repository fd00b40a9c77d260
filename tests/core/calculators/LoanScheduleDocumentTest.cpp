#include <gtest/gtest.h>

#include "calculators/LoanScheduleDocument.h"
#include "calculators/RepaymentSchedule.h"
#include "support/GoldenFile.h"

namespace tf {
namespace {

const std::string kGolden =
    std::string(TALLYFOLD_TEST_DATA) + "/calculators/loan_schedule_10000_10_12.htm";

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(LoanScheduleDocumentTest, MatchesGoldenFile) {
  const TMortgageRecord record = BuildRepaymentSchedule(12, 12, 10000, 10, EncodeDate(2024, 1, 15));
  tf::testing::ExpectMatchesGolden(LoanScheduleDocument(record, {}), kGolden);
}

TEST(LoanScheduleDocumentTest, FillsHeaderAndAlternatesRowColours) {
  const TMortgageRecord record = BuildRepaymentSchedule(12, 12, 10000, 10, EncodeDate(2024, 1, 15));
  const std::string text = LoanScheduleDocument(record, {});
  EXPECT_NE(text.find("<td>10,000.00</td>"), std::string::npos);
  EXPECT_NE(text.find("<td>12 month(s) (1 year(s))</td>"), std::string::npos);
  EXPECT_NE(text.find("<td>10.00</td>"), std::string::npos);
  EXPECT_NE(text.find("<td>Jan 2024</td>"), std::string::npos);
  EXPECT_NE(text.find("<td>Jan 2025</td>"), std::string::npos);  // the month after the last payment
  EXPECT_NE(text.find("<td>10,549.91</td>"), std::string::npos);
  EXPECT_NE(text.find("<td>549.91</td>"), std::string::npos);
  EXPECT_EQ(Count(text, "#<b>"), 12u);
  EXPECT_EQ(Count(text, "bgcolor=\"#F5F5F5\""), 12u);  // two table rows per payment
  EXPECT_EQ(Count(text, "bgcolor=\"#FFFFFF\""), 12u);
  EXPECT_LT(text.find("bgcolor=\"#F5F5F5\""), text.find("bgcolor=\"#FFFFFF\""));
  EXPECT_EQ(text.find('|'), std::string::npos) << "a token was left unfilled";
  EXPECT_EQ(text.find("<!-- #1# -->"), std::string::npos);
}

TEST(LoanScheduleDocumentTest, UsesTheCalculatorSeparators) {
  const TMortgageRecord record = BuildRepaymentSchedule(12, 12, 10000, 10, EncodeDate(2024, 1, 15));
  const std::string text = LoanScheduleDocument(record, {".", ","});
  EXPECT_NE(text.find("<td>10.000,00</td>"), std::string::npos);
  EXPECT_NE(text.find(">879,13<"), std::string::npos);
}

TEST(LoanScheduleDocumentTest, NoPaymentsStillGivesTheHeadings) {
  const TMortgageRecord record = BuildRepaymentSchedule(0, 12, 10000, 10, EncodeDate(2024, 1, 15));
  const std::string text = LoanScheduleDocument(record, {});
  EXPECT_NE(text.find("<th>Payment Number</th>"), std::string::npos);
  EXPECT_NE(text.find("<td>0 month(s) (0 year(s))</td>"), std::string::npos);
  EXPECT_EQ(text.find("#<b>"), std::string::npos);
  EXPECT_EQ(text.find("<!-- #1# -->"), std::string::npos);
}

}  // namespace
}  // namespace tf

#include <gtest/gtest.h>

#include "calculators/CalculatorError.h"
#include "calculators/RepaymentSchedule.h"

namespace tf {
namespace {

void ExpectMonth(TDateTime date, int year, int month, int day) {
  int y = 0, m = 0, d = 0;
  DecodeDate(date, y, m, d);
  EXPECT_EQ(y, year);
  EXPECT_EQ(m, month);
  EXPECT_EQ(d, day);
}

// 10000 at 10% over 12 months, worked through by hand in Python: eleven
// payments of 879.16, a last one of 879.13, interest 549.89 in the rows
// against 549.906... from the unrounded payment.
TEST(RepaymentScheduleTest, TwelveMonthLoan) {
  const TMortgageRecord record = BuildRepaymentSchedule(12, 12, 10000, 10, EncodeDate(2024, 1, 15));
  EXPECT_EQ(record.Months, 12);
  EXPECT_EQ(record.Years, 1);
  EXPECT_NEAR(record.MonthlyPayment, 879.1588723000987, 1e-9);
  EXPECT_NEAR(record.TotalRepayment, 10549.906467601184, 1e-8);
  EXPECT_NEAR(record.TotalInterest, 549.906467601184, 1e-8);
  ExpectMonth(record.StartDate, 2024, 1, 15);
  ExpectMonth(record.EndDate, 2025, 1, 15);

  ASSERT_EQ(record.Payments.size(), 12u);
  for (int i = 0; i < 11; ++i) EXPECT_NEAR(record.Payments[i].Payment, 879.16, 1e-9) << i;
  const TMortgagePayment& first = record.Payments.front();
  EXPECT_EQ(first.PaymentNo, 1);
  EXPECT_NEAR(first.Interest, 83.33, 1e-9);
  EXPECT_NEAR(first.Principal, 795.83, 1e-9);
  EXPECT_NEAR(first.Balance, 9204.17, 1e-9);
  const TMortgagePayment& last = record.Payments.back();
  EXPECT_EQ(last.PaymentNo, 12);
  EXPECT_NEAR(last.Payment, 879.13, 1e-9);
  EXPECT_EQ(last.Balance, 0);
  EXPECT_NEAR(last.Interest, 7.27, 1e-9);
  EXPECT_NEAR(last.InterestToDate, 549.89, 1e-9);
  EXPECT_NEAR(last.PrincipalToDate, 10000, 1e-9);
  ExpectMonth(record.Payments[0].Date, 2024, 1, 15);
  ExpectMonth(last.Date, 2024, 12, 15);
}

TEST(RepaymentScheduleTest, PaymentDaysClipToShortMonths) {
  const TMortgageRecord record = BuildRepaymentSchedule(3, 12, 1000, 10, EncodeDate(2024, 1, 31));
  ASSERT_EQ(record.Payments.size(), 3u);
  ExpectMonth(record.Payments[1].Date, 2024, 2, 29);
  ExpectMonth(record.Payments[2].Date, 2024, 3, 29);  // each month follows the one before
  ExpectMonth(record.EndDate, 2024, 4, 30);
}

TEST(RepaymentScheduleTest, TimeOfDayOfTheStartIsDropped) {
  const TMortgageRecord record =
      BuildRepaymentSchedule(12, 12, 1000, 10, EncodeDate(2024, 5, 2) + 0.75);
  EXPECT_EQ(record.StartDate, EncodeDate(2024, 5, 2));
}

// Tiny loans round the payment up far enough to pay off early: 3.00 at 10%
// over 36 months (0.0968 a month, paid as 0.10) ends after 35 payments.
TEST(RepaymentScheduleTest, OverpaymentEndsTheScheduleEarly) {
  const TMortgageRecord record = BuildRepaymentSchedule(36, 12, 3, 10, EncodeDate(2024, 1, 1));
  ASSERT_EQ(record.Payments.size(), 35u);
  EXPECT_NEAR(record.Payments.back().Payment, 0.04, 1e-9);
  EXPECT_EQ(record.Payments.back().Balance, 0);
  EXPECT_NEAR(record.Payments.back().PrincipalToDate, 3, 1e-9);
}

TEST(RepaymentScheduleTest, SingleMonthPaysAmountAndInterest) {
  const TMortgageRecord record = BuildRepaymentSchedule(1, 12, 1200, 12, EncodeDate(2024, 1, 1));
  ASSERT_EQ(record.Payments.size(), 1u);
  EXPECT_NEAR(record.Payments[0].Payment, 1212, 1e-9);
  EXPECT_EQ(record.Payments[0].Balance, 0);
}

// Without a last month the balance could never be settled; no rows and no
// endless loop.
TEST(RepaymentScheduleTest, TermBelowOneMonthHasNoPayments) {
  for (int months : {0, -4}) {
    const TMortgageRecord record =
        BuildRepaymentSchedule(months, 12, 10000, 10, EncodeDate(2024, 1, 1));
    EXPECT_TRUE(record.Payments.empty()) << months;
    EXPECT_EQ(record.MonthlyPayment, 0) << months;
  }
}

// Without interest every month pays an equal part; the last takes the cent
// the rounding left over, and no row carries interest.
TEST(RepaymentScheduleTest, InterestFreeLoanHasEqualPaymentsAndNoInterest) {
  const TMortgageRecord record = BuildRepaymentSchedule(3, 12, 1000, 0, EncodeDate(2024, 1, 1));
  EXPECT_NEAR(record.MonthlyPayment, 1000.0 / 3, 1e-9);
  EXPECT_NEAR(record.TotalRepayment, 1000, 1e-9);
  EXPECT_NEAR(record.TotalInterest, 0, 1e-9);
  ASSERT_EQ(record.Payments.size(), 3u);
  EXPECT_NEAR(record.Payments[0].Payment, 333.33, 1e-9);
  EXPECT_NEAR(record.Payments[1].Payment, 333.33, 1e-9);
  EXPECT_NEAR(record.Payments[2].Payment, 333.34, 1e-9);
  EXPECT_EQ(record.Payments[2].Balance, 0);
  for (const TMortgagePayment& payment : record.Payments) {
    EXPECT_EQ(payment.Interest, 0) << payment.PaymentNo;
    EXPECT_EQ(payment.InterestToDate, 0) << payment.PaymentNo;
  }
  EXPECT_NEAR(record.Payments[2].PrincipalToDate, 1000, 1e-9);
}

TEST(RepaymentScheduleTest, RefusesTermsItCannotList) {
  EXPECT_THROW(BuildRepaymentSchedule(kMaxTermMonths + 1, 12, 10000, 10, EncodeDate(2024, 1, 1)),
               TCalculatorError);
  EXPECT_THROW(BuildRepaymentSchedule(24, 12, 10000, 10, EncodeDate(9999, 6, 1)), TCalculatorError);
  EXPECT_NO_THROW(BuildRepaymentSchedule(6, 12, 10000, 10, EncodeDate(9999, 6, 1)));
}

TEST(TryAddMonthsTest, KeepsOrClipsTheDay) {
  TDateTime out = 0;
  ASSERT_TRUE(TryAddMonths(EncodeDate(2023, 1, 31), 1, out));
  ExpectMonth(out, 2023, 2, 28);
  ASSERT_TRUE(TryAddMonths(EncodeDate(2024, 3, 15), -3, out));
  ExpectMonth(out, 2023, 12, 15);
  ASSERT_TRUE(TryAddMonths(EncodeDate(2024, 3, 15), 24, out));
  ExpectMonth(out, 2026, 3, 15);
  EXPECT_FALSE(TryAddMonths(EncodeDate(9999, 12, 1), 1, out));
  EXPECT_FALSE(TryAddMonths(EncodeDate(1, 1, 1), -1, out));
}

}  // namespace
}  // namespace tf

#include "calculators/LoanCalculation.h"

#include <gtest/gtest.h>

namespace tf {
namespace {

TEST(CalculateLoanTest, AmountGivesRepaymentAndTotal) {
  const TLoanOutcome out = CalculateLoan({10000, 10, 0, 12}, TLoanEdit::AmountRateOrTerm);
  ASSERT_TRUE(out.Repayment.has_value());
  EXPECT_NEAR(*out.Repayment, 879.1588723000987, 1e-9);
  EXPECT_NEAR(out.TotalRepayments, 10549.906467601184, 1e-8);  // from the unrounded repayment
  EXPECT_FALSE(out.LoanAmount.has_value());
  EXPECT_FALSE(out.Months.has_value());
  EXPECT_EQ(out.Help, TLoanHelp::Unchanged);
  EXPECT_TRUE(out.ScheduleEnabled);
}

TEST(CalculateLoanTest, NoRateOrTermDisablesTheSchedule) {
  for (const TLoanInputs& in : {TLoanInputs{10000, 0, 0, 12}, TLoanInputs{10000, 10, 0, 0}}) {
    const TLoanOutcome out = CalculateLoan(in, TLoanEdit::AmountRateOrTerm);
    EXPECT_EQ(out.Repayment.value_or(-1), 0);
    EXPECT_EQ(out.TotalRepayments, 0);
    EXPECT_FALSE(out.ScheduleEnabled);
  }
}

TEST(CalculateLoanTest, TypedRepaymentGivesAmount) {
  const TLoanOutcome out = CalculateLoan({0, 10, 879.16, 12}, TLoanEdit::Repayment);
  ASSERT_TRUE(out.LoanAmount.has_value());
  EXPECT_NEAR(*out.LoanAmount, 10000.01282703203, 1e-8);
  EXPECT_NEAR(out.TotalRepayments, 12 * 879.16, 1e-9);
  EXPECT_FALSE(out.Repayment.has_value());
  EXPECT_TRUE(out.ScheduleEnabled);
}

TEST(CalculateLoanTest, SteppedRepaymentGivesTermRoundedUp) {
  const TLoanOutcome out = CalculateLoan({10000, 10, 1000, 12}, TLoanEdit::RepaymentStep);
  ASSERT_TRUE(out.Months.has_value());
  EXPECT_EQ(*out.Months, 11);  // 10.48 months
  EXPECT_NEAR(out.TotalRepayments, 11000, 1e-9);
  EXPECT_EQ(out.Help, TLoanHelp::HelpText);
  EXPECT_TRUE(out.ScheduleEnabled);
}

// The repayment must exceed a month's interest, 83.33... on 10000 at 10%.
TEST(CalculateLoanTest, UnreachableTermShowsTheMessage) {
  const TLoanInputs cases[] = {
      {10000, 10, 83.33, 12},                     // below the interest
      {10000, 10, 10000 * (10.0 / 100 / 12), 12}, // exactly the interest
      {10000, 0, 1000, 12},                       // no rate
      {10000, 10, 1000, 0},                       // empty term box
      {10000, 10, 0, 12},                         // no repayment
      {0, 10, 100, 12},                           // nothing to pay off: a term of 0
      {10000, 1, 8.3336, 12},                     // 12,420 months: over a thousand years
  };
  for (const TLoanInputs& in : cases) {
    const TLoanOutcome out = CalculateLoan(in, TLoanEdit::RepaymentStep);
    EXPECT_EQ(out.Help, TLoanHelp::TooSmall) << in.Repayment;
    EXPECT_FALSE(out.Months.has_value()) << in.Repayment;
    EXPECT_EQ(out.TotalRepayments, 0) << in.Repayment;
    EXPECT_FALSE(out.ScheduleEnabled) << in.Repayment;
  }
  EXPECT_STREQ(kRepaymentTooSmall, "Your \"Monthly Repayment\" are too small to achieve amortization");
}

}  // namespace
}  // namespace tf

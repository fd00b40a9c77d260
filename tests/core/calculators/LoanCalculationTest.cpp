#include <gtest/gtest.h>

#include "calculators/LoanCalculation.h"

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

TEST(CalculateLoanTest, NoAmountOrTermDisablesTheSchedule) {
  for (const TLoanInputs& in : {TLoanInputs{0, 10, 0, 12}, TLoanInputs{10000, 10, 0, 0}}) {
    const TLoanOutcome out = CalculateLoan(in, TLoanEdit::AmountRateOrTerm);
    EXPECT_EQ(out.Repayment.value_or(-1), 0);
    EXPECT_EQ(out.TotalRepayments, 0);
    EXPECT_FALSE(out.ScheduleEnabled);
  }
}

// Without interest the loan is repaid in equal parts, in all three directions.
TEST(CalculateLoanTest, InterestFreeLoanIsSpreadEvenly) {
  const TLoanOutcome repayment = CalculateLoan({12000, 0, 0, 24}, TLoanEdit::AmountRateOrTerm);
  EXPECT_DOUBLE_EQ(repayment.Repayment.value_or(-1), 500);
  EXPECT_DOUBLE_EQ(repayment.TotalRepayments, 12000);
  EXPECT_TRUE(repayment.ScheduleEnabled);

  const TLoanOutcome amount = CalculateLoan({0, 0, 500, 24}, TLoanEdit::Repayment);
  EXPECT_DOUBLE_EQ(amount.LoanAmount.value_or(-1), 12000);
  EXPECT_TRUE(amount.ScheduleEnabled);

  const TLoanOutcome term = CalculateLoan({12000, 0, 700, 24}, TLoanEdit::RepaymentStep);
  EXPECT_EQ(term.Months.value_or(-1), 18);  // 17.1 months
  EXPECT_DOUBLE_EQ(term.TotalRepayments, 18 * 700);
  EXPECT_EQ(term.Help, TLoanHelp::HelpText);
}

TEST(CalculateLoanTest, FigureBeyondAnyNumberIsNotShown) {
  const TLoanOutcome out = CalculateLoan({1e308, 1e300, 0, 12}, TLoanEdit::AmountRateOrTerm);
  EXPECT_EQ(out.Repayment.value_or(-1), 0);
  EXPECT_EQ(out.TotalRepayments, 0);
  EXPECT_EQ(out.Help, TLoanHelp::BeyondAnyNumber);
  EXPECT_FALSE(out.ScheduleEnabled);
  const TLoanOutcome total = CalculateLoan({0, 10, 1e308, 120}, TLoanEdit::Repayment);
  EXPECT_EQ(total.TotalRepayments, 0);
  EXPECT_EQ(total.Help, TLoanHelp::BeyondAnyNumber);
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
      {10000, 10, 83.33, 12},                      // below the interest
      {10000, 10, 10000 * (10.0 / 100 / 12), 12},  // exactly the interest
      {10000, 0, 0, 12},                           // no rate and no repayment
      {10000, 10, 1000, 0},                        // empty term box
      {10000, 10, 0, 12},                          // no repayment
      {0, 10, 100, 12},                            // nothing to pay off: a term of 0
      {10000, 1, 8.3336, 12},                      // 12,420 months: over a thousand years
  };
  for (const TLoanInputs& in : cases) {
    const TLoanOutcome out = CalculateLoan(in, TLoanEdit::RepaymentStep);
    EXPECT_EQ(out.Help, TLoanHelp::TooSmall) << in.Repayment;
    EXPECT_FALSE(out.Months.has_value()) << in.Repayment;
    EXPECT_EQ(out.TotalRepayments, 0) << in.Repayment;
    EXPECT_FALSE(out.ScheduleEnabled) << in.Repayment;
  }
  EXPECT_STREQ(kRepaymentTooSmall,
               "Your \"Monthly Repayment\" are too small to achieve amortization");
}

}  // namespace
}  // namespace tf

#include <gtest/gtest.h>

#include <cmath>

#include "calculators/Annuity.h"

namespace tf {
namespace {

// Reference figures worked out independently with Python's math module from
// P = A r / (1 - (1 + r)^-N), A = P (1 - (1 + r)^-N) / r and
// N = -ln(1 - A r / P) / ln(1 + r), r = R / 1200.
struct TAnnuityCase {
  TAnnuityMode Mode;
  int Months;
  double Amount;
  double Rate;
  double Repayment;
  double Expected;
};

class AnnuityValueTest : public ::testing::TestWithParam<TAnnuityCase> {};

TEST_P(AnnuityValueTest, MatchesReferenceFigure) {
  const TAnnuityCase& c = GetParam();
  const TCalcResult result = AnnuityValue(c.Mode, c.Months, 12, c.Amount, c.Rate, c.Repayment);
  ASSERT_TRUE(result.HasAnswer);
  EXPECT_NEAR(result.Value, c.Expected, 1e-7);
}

INSTANTIATE_TEST_SUITE_P(
    Repayment, AnnuityValueTest,
    ::testing::Values(
        TAnnuityCase{TAnnuityMode::Repayment, 12, 10000, 10, 0, 879.1588723000987},
        TAnnuityCase{TAnnuityMode::Repayment, 60, 100000, 12, 0, 2224.444768490176},
        TAnnuityCase{TAnnuityMode::Repayment, 240, 250000, 7.5, 0, 2013.9829838795056},
        TAnnuityCase{TAnnuityMode::Repayment, 6, 5000, 18, 0, 877.6260731435777},
        TAnnuityCase{TAnnuityMode::Repayment, 360, 1000000, 11.25, 0, 9712.613869396533},
        // No amount or no term: no repayment.
        TAnnuityCase{TAnnuityMode::Repayment, 12, 0, 10, 0, 0},
        TAnnuityCase{TAnnuityMode::Repayment, 12, 0, 0, 0, 0},
        TAnnuityCase{TAnnuityMode::Repayment, 0, 10000, 10, 0, 0},
        TAnnuityCase{TAnnuityMode::Repayment, -3, 10000, 10, 0, 0}));

INSTANTIATE_TEST_SUITE_P(
    LoanAmount, AnnuityValueTest,
    ::testing::Values(TAnnuityCase{TAnnuityMode::LoanAmount, 12, 0, 10, 879.16, 10000.01282703203},
                      TAnnuityCase{TAnnuityMode::LoanAmount, 60, 0, 12, 2224.44, 99999.785632341},
                      TAnnuityCase{TAnnuityMode::LoanAmount, 240, 0, 7.5, 2000, 248264.2624104288},
                      TAnnuityCase{TAnnuityMode::LoanAmount, 12, 0, 10, 0, 0},
                      TAnnuityCase{TAnnuityMode::LoanAmount, 12, 0, 0, 0, 0},
                      TAnnuityCase{TAnnuityMode::LoanAmount, 0, 0, 10, 879.16, 0}));

// A = 10000 at 10%: the exact terms are 11.99998, 11.708, 10.485, 1136.74,
// 2.025, 1.0084 and 0.9999993 months, each rounded up.
INSTANTIATE_TEST_SUITE_P(
    Term, AnnuityValueTest,
    ::testing::Values(TAnnuityCase{TAnnuityMode::Term, 12, 10000, 10, 879.16, 12},
                      TAnnuityCase{TAnnuityMode::Term, 12, 10000, 10, 900, 12},
                      TAnnuityCase{TAnnuityMode::Term, 12, 10000, 10, 1000, 11},
                      TAnnuityCase{TAnnuityMode::Term, 12, 10000, 10, 83.34, 1137},
                      TAnnuityCase{TAnnuityMode::Term, 12, 10000, 10, 5000, 3},
                      TAnnuityCase{TAnnuityMode::Term, 12, 10000, 10, 10000, 2},
                      TAnnuityCase{TAnnuityMode::Term, 12, 10000, 10, 10083.34, 1},
                      // Nothing to pay off, and an empty term box.
                      TAnnuityCase{TAnnuityMode::Term, 12, 0, 10, 100, 0},
                      TAnnuityCase{TAnnuityMode::Term, 0, 10000, 10, 1000, 0}));

// The repayment must exceed one month's interest (83.33... on 10000 at 10%).
struct TNoTermCase {
  const char* Why;
  double Amount;
  double Rate;
  double Repayment;
};

class UnreachableTermTest : public ::testing::TestWithParam<TNoTermCase> {};

TEST_P(UnreachableTermTest, HasNoAnswer) {
  const TNoTermCase& c = GetParam();
  const TCalcResult result =
      AnnuityValue(TAnnuityMode::Term, 12, 12, c.Amount, c.Rate, c.Repayment);
  EXPECT_FALSE(result.HasAnswer) << c.Why;
  EXPECT_EQ(result.Value, 0) << c.Why;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreachableTermTest,
    ::testing::Values(TNoTermCase{"below the interest", 10000, 10, 83.33},
                      TNoTermCase{"exactly the interest", 10000, 10, 10000 * (10.0 / 100 / 12)},
                      TNoTermCase{"no repayment", 10000, 10, 0},
                      TNoTermCase{"no repayment without interest", 10000, 0, 0},
                      TNoTermCase{"negative repayment without interest", 10000, 0, -100},
                      TNoTermCase{"negative repayment", 10000, 10, -100},
                      TNoTermCase{"rate of -100% a month", 10000, -1200, 1000}));

// A loan without interest is spread evenly: the formulas' 0 / 0 would give
// a repayment and an amount of 0 and no term at all.
INSTANTIATE_TEST_SUITE_P(
    InterestFree, AnnuityValueTest,
    ::testing::Values(TAnnuityCase{TAnnuityMode::Repayment, 12, 10000, 0, 0, 10000.0 / 12},
                      TAnnuityCase{TAnnuityMode::Repayment, 7, 350, 0, 0, 50},
                      TAnnuityCase{TAnnuityMode::LoanAmount, 12, 0, 0, 250, 3000},
                      TAnnuityCase{TAnnuityMode::Term, 12, 10000, 0, 1000, 10},
                      TAnnuityCase{TAnnuityMode::Term, 12, 10000, 0, 900, 12},   // 11.1 months
                      TAnnuityCase{TAnnuityMode::Term, 12, 1000, 0, 333.33, 4},  // 0.01 left over
                      // 1.1 / 0.1 is 11.000000000000002 in doubles, yet 11 payments do it.
                      TAnnuityCase{TAnnuityMode::Term, 12, 1.1, 0, 0.1, 11}));

TEST(AnnuityValueTest, RateThatDestroysTheLoanHasNoAnswer) {
  EXPECT_FALSE(AnnuityValue(TAnnuityMode::Repayment, 12, 12, 10000, -1200, 0).HasAnswer);
  EXPECT_FALSE(AnnuityValue(TAnnuityMode::LoanAmount, 12, 12, 0, -1500, 500).HasAnswer);
}

TEST(AnnuityValueTest, RepaymentAndAmountAreInverse) {
  const double repayment = AnnuityValue(TAnnuityMode::Repayment, 84, 12, 65000, 13.5, 0).Value;
  EXPECT_NEAR(AnnuityValue(TAnnuityMode::LoanAmount, 84, 12, 0, 13.5, repayment).Value, 65000,
              1e-6);
}

// Once off: D (1 + r)^N; monthly: D ((1 + r)^N - 1) / r (Python reference).
struct TGrowthCase {
  bool Monthly;
  TGrowthDirection Direction;
  int Months;
  double Value;
  double Rate;
  double Deposit;
  double Expected;
};

class GrowthTest : public ::testing::TestWithParam<TGrowthCase> {};

TEST_P(GrowthTest, MatchesReferenceFigure) {
  const TGrowthCase& c = GetParam();
  const TCalcResult result =
      c.Monthly ? AnnuityGrowth(c.Months, 12, c.Direction, c.Value, c.Rate, c.Deposit)
                : CompoundGrowth(12, c.Months, c.Direction, c.Value, c.Rate, c.Deposit);
  ASSERT_TRUE(result.HasAnswer);
  EXPECT_NEAR(result.Value, c.Expected, 1e-7);
}

constexpr auto kToValue = TGrowthDirection::ValueAtMaturity;
constexpr auto kToDeposit = TGrowthDirection::Deposit;

INSTANTIATE_TEST_SUITE_P(
    OnceOff, GrowthTest,
    ::testing::Values(TGrowthCase{false, kToValue, 12, 0, 10, 100, 110.47130674412968},
                      TGrowthCase{false, kToValue, 120, 0, 8, 1000, 2219.640234544711},
                      TGrowthCase{false, kToDeposit, 12, 110.47130674412968, 10, 0, 100},
                      TGrowthCase{false, kToValue, 12, 0, 0, 100, 100},
                      TGrowthCase{false, kToValue, 0, 0, 10, 100, 100}));

INSTANTIATE_TEST_SUITE_P(
    Monthly, GrowthTest,
    ::testing::Values(TGrowthCase{true, kToValue, 12, 0, 12, 10, 126.82503013196977},
                      TGrowthCase{true, kToValue, 240, 0, 9, 500, 333943.43496484077},
                      TGrowthCase{true, kToDeposit, 12, 126.82503013196977, 12, 0, 10},
                      TGrowthCase{true, kToValue, 0, 0, 12, 10, 0},
                      // Without interest the deposits add up: N x D, and V / N back.
                      TGrowthCase{true, kToValue, 12, 0, 0, 10, 120},
                      TGrowthCase{true, kToDeposit, 12, 120, 0, 0, 10},
                      TGrowthCase{true, kToDeposit, 7, 100, 0, 0, 100.0 / 7}));

TEST(GrowthTest, MonthlyDepositOverNoMonthsHasNoAnswer) {
  for (double rate : {10.0, 0.0}) {
    for (int months : {0, -5}) {
      const TCalcResult result = AnnuityGrowth(months, 12, kToDeposit, 1000, rate, 0);
      EXPECT_FALSE(result.HasAnswer) << months << " at " << rate;
      EXPECT_EQ(result.Value, 0) << months << " at " << rate;
    }
  }
}

TEST(GrowthTest, NoPeriodsPerYearGivesZero) {
  EXPECT_EQ(CompoundGrowth(0, 12, kToValue, 0, 10, 100).Value, 0);
  EXPECT_EQ(AnnuityGrowth(12, 0, kToValue, 0, 10, 100).Value, 0);
}

TEST(GrowthTest, GrowthBeyondAnyNumberHasNoAnswer) {
  // 10000% a year over 10,000 months overflows a double.
  EXPECT_FALSE(CompoundGrowth(12, 10000, kToValue, 0, 10000, 100).HasAnswer);
  EXPECT_FALSE(AnnuityGrowth(10000, 12, kToValue, 0, 10000, 100).HasAnswer);
}

}  // namespace
}  // namespace tf

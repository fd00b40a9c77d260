#include <gtest/gtest.h>

#include "calculators/InvestmentCalculation.h"

namespace tf {
namespace {

// Python reference: 100 (1 + 0.1/12)^12 = 110.4713..., 10 (1.01^12 - 1) / 0.01 = 126.8250...
struct TInvestmentCase {
  const char* Name;
  TDepositKind Kind;
  bool MaturityTyped;
  TInvestmentInputs In;
  double Written;  // the deposit or the value worked out
  double Interest;
};

class CalculateInvestmentTest : public ::testing::TestWithParam<TInvestmentCase> {};

TEST_P(CalculateInvestmentTest, WorksOutTheOtherFigure) {
  const TInvestmentCase& c = GetParam();
  const TInvestmentOutcome out = CalculateInvestment(c.In, c.Kind, c.MaturityTyped);
  ASSERT_TRUE(out.HasAnswer) << c.Name;
  const std::optional<double>& written = c.MaturityTyped ? out.Deposit : out.ValueAtMaturity;
  const std::optional<double>& untouched = c.MaturityTyped ? out.ValueAtMaturity : out.Deposit;
  ASSERT_TRUE(written.has_value()) << c.Name;
  EXPECT_FALSE(untouched.has_value()) << c.Name;
  EXPECT_NEAR(*written, c.Written, 1e-7) << c.Name;
  EXPECT_NEAR(out.InterestEarned, c.Interest, 1e-7) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalculateInvestmentTest,
    ::testing::Values(
        TInvestmentCase{"once off value",
                        TDepositKind::OnceOff,
                        false,
                        {100, 10, 0, 12},
                        110.47130674412968,
                        10.47130674412968},
        TInvestmentCase{"once off deposit",
                        TDepositKind::OnceOff,
                        true,
                        {0, 10, 110.47130674412968, 12},
                        100,
                        10.47130674412968},
        TInvestmentCase{"once off at 0%", TDepositKind::OnceOff, false, {100, 0, 0, 12}, 100, 0},
        TInvestmentCase{"monthly value",
                        TDepositKind::Monthly,
                        false,
                        {10, 12, 0, 12},
                        126.82503013196977,
                        6.82503013196977},
        TInvestmentCase{"monthly deposit",
                        TDepositKind::Monthly,
                        true,
                        {0, 12, 126.82503013196977, 12},
                        10,
                        6.82503013196977},
        // Without interest the deposits simply add up.
        TInvestmentCase{"monthly at 0%", TDepositKind::Monthly, false, {10, 0, 0, 12}, 120, 0},
        TInvestmentCase{
            "monthly deposit at 0%", TDepositKind::Monthly, true, {0, 0, 120, 12}, 10, 0}),
    [](const auto& info) {
      std::string name = info.param.Name;
      for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

TEST(CalculateInvestmentTest, MonthlyDepositOverNoMonthsHasNoAnswer) {
  for (double rate : {10.0, 0.0}) {
    const TInvestmentOutcome out =
        CalculateInvestment({0, rate, 1000, 0}, TDepositKind::Monthly, true);
    EXPECT_FALSE(out.HasAnswer) << rate;
    EXPECT_EQ(out.Deposit.value_or(-1), 0) << rate;
    EXPECT_EQ(out.InterestEarned, 0) << rate;
    EXPECT_STREQ(out.Message, kTermTooShort) << rate;
  }
  // A once-off deposit over no time is the value itself.
  const TInvestmentOutcome once =
      CalculateInvestment({0, 10, 1000, 0}, TDepositKind::OnceOff, true);
  EXPECT_TRUE(once.HasAnswer);
  EXPECT_EQ(once.Deposit.value_or(-1), 1000);
  EXPECT_EQ(once.Message, nullptr);
}

TEST(CalculateInvestmentTest, GrowthBeyondAnyNumberSaysSo) {
  const TInvestmentOutcome out =
      CalculateInvestment({100, 10000, 0, 10000}, TDepositKind::OnceOff, false);
  EXPECT_FALSE(out.HasAnswer);
  EXPECT_EQ(out.ValueAtMaturity.value_or(-1), 0);
  EXPECT_STREQ(out.Message, kBeyondAnyNumber);
}

}  // namespace
}  // namespace tf

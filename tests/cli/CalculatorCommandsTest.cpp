// loan and invest: the calculators' figures, the repayment schedule document
// and the numbers they refuse.
#include "CliFixture.h"
#include "calculators/LoanScheduleDocument.h"
#include "calculators/RepaymentSchedule.h"

namespace tf::testing {
namespace {

using CalculatorCommandsTest = CliFixture;

constexpr const char* kLoan = "loan --amount 10000 --rate 10 --months 12 --start '15 Jan 2024'";

TEST_F(CalculatorCommandsTest, LoanPrintsRepaymentTotalAndInterest) {
  const TRun run = Run(kLoan);
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out, "Monthly Repayment\t879.16\nTotal Repayments\t10,549.91\nInterest\t549.91\n");
}

TEST_F(CalculatorCommandsTest, LoanWritesTheScheduleDocument) {
  const std::string out = Path("Loan Repayment Schedule.htm");
  const TRun run = Run(std::string(kLoan) + " " + Quoted(out));
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out, "Monthly Repayment\t879.16\nTotal Repayments\t10,549.91\nInterest\t549.91\n" +
                         out + "\n");
  const TMortgageRecord record = BuildRepaymentSchedule(12, 12, 10000, 10, EncodeDate(2024, 1, 15));
  EXPECT_EQ(ReadWholeFile(out), LoanScheduleDocument(record, TCalcNumberFormat{}));
  EXPECT_NE(ReadWholeFile(out).find("879.13"), std::string::npos);  // the last payment
}

TEST_F(CalculatorCommandsTest, InvestGrowsADepositOrFindsTheOneNeeded) {
  const std::pair<const char*, const char*> cases[] = {
      {"--deposit 100 --rate 10 --months 12",
       "Value at maturity\t110.47\nInterest Earned\t10.47\n"},
      {"--deposit 10 --rate 12 --months 12 --monthly",
       "Value at maturity\t126.83\nInterest Earned\t6.83\n"},
      {"--value 110.47 --rate 10 --months 12", "Deposit\t100.00\nInterest Earned\t10.47\n"},
      {"--monthly --value 126.83 --rate 12 --months 12", "Deposit\t10.00\nInterest Earned\t6.83\n"},
      {"--deposit 100 --rate 0 --months 12", "Value at maturity\t100.00\nInterest Earned\t0.00\n"},
      // Without interest monthly deposits add up.
      {"--deposit 10 --rate 0 --months 12 --monthly",
       "Value at maturity\t120.00\nInterest Earned\t0.00\n"},
      {"--value 1000 --rate 0 --months 8 --monthly", "Deposit\t125.00\nInterest Earned\t0.00\n"},
  };
  for (const auto& [args, figures] : cases) {
    const TRun run = Run(std::string("invest ") + args);
    ASSERT_EQ(run.Status, 0) << args << ": " << run.Err;
    EXPECT_EQ(run.Out, figures) << args;
  }
}

// An interest-free loan is repaid in equal parts; its schedule has no interest.
TEST_F(CalculatorCommandsTest, LoanWithoutInterestIsSpreadEvenly) {
  const std::string out = Path("free.htm");
  const TRun run =
      Run("loan --amount 1000 --rate 0 --months 3 --start '01 Mar 2024' " + Quoted(out));
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out,
            "Monthly Repayment\t333.33\nTotal Repayments\t1,000.00\nInterest\t0.00\n" + out + "\n");
  const std::string document = ReadWholeFile(out);
  EXPECT_NE(document.find("333.34"), std::string::npos);  // the last payment takes the cent
  EXPECT_EQ(document.find("-0.00"), std::string::npos);
}

TEST_F(CalculatorCommandsTest, NumbersTheCalculatorsCannotUseAreRefused) {
  const std::string start = " --start '01 Jan 2024'";
  const struct {
    std::string Args;
    int Status;
    const char* Message;
  } cases[] = {
      {"loan --amount 10,000 --rate 10 --months 12" + start, 1,
       "\"--amount\" must be a number like 10000 or 12.5, not \"10,000\""},
      {"loan --amount 0 --rate 10 --months 12" + start, 1, "\"--amount\" must be above 0"},
      {"loan --amount 100 --rate -1 --months 12" + start, 1, "\"--rate\" must not be below 0"},
      {"loan --amount 100 --rate 10 --months 0" + start, 1, "\"--months\" must be from 1 to 12000"},
      {"loan --amount 100 --rate 10 --months 12001" + start, 1, "from 1 to 12000, not 12001"},
      {"loan --amount 100 --rate 10 --months 1.5" + start, 1, "must be a whole number"},
      {"loan --amount 100 --rate 10 --months 12000 --start '01 Jan 9000'", 1,
       "would end after the year 9999"},
      {"loan --amount 1e300 --rate 1e300 --months 12" + start, 1, "beyond any number"},
      {"loan --amount 100 --rate 10 --months 12 --start 2024-01-01", 1,
       "\"--start\" must be a date"},
      {"loan --amount 100 --rate 10 --months 12" + start + " '" + Path("no/such/dir/s.htm") + "'",
       1, "no/such/dir/s.htm"},
      {"loan --amount 100 --rate 10 --months 12", 2, "\"--start\" is missing"},
      {"loan --amount 100 --rate 10 --months 12" + start + " a.htm b.htm", 2, "at most one"},
      {"invest --deposit abc --rate 10 --months 12", 1, "\"--deposit\" must be a number"},
      {"invest --value -5 --rate 10 --months 12", 1, "\"--value\" must be above 0"},
      {"invest --deposit 1 --rate 1e300 --months 12000", 1, "beyond any number"},
      {"invest --deposit 1 --value 2 --rate 10 --months 12", 2, "give either --deposit or --value"},
      {"invest --rate 10 --months 12", 2, "give either --deposit or --value"},
      {"invest --deposit 1 --rate 10", 2, "\"--months\" is missing"},
      {"invest --deposit 1 --rate 10 --months 12 --monthly --monthly", 2, "given twice"},
  };
  for (const auto& c : cases) {
    const TRun run = Run(c.Args);
    EXPECT_EQ(run.Status, c.Status) << c.Args;
    EXPECT_EQ(run.Out, "") << c.Args;
    EXPECT_NE(run.Err.find(c.Message), std::string::npos) << c.Args << "\n" << run.Err;
  }
}

}  // namespace
}  // namespace tf::testing

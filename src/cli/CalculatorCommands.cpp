// loan and invest: the figures of the two calculators for typed numbers,
// and the loan's repayment schedule as an HTML document.
#include <cmath>
#include <iostream>

#include "CliCommand.h"
#include "CliData.h"
#include "CliOptions.h"
#include "app/Global.h"
#include "calculators/CalcNumbers.h"
#include "calculators/CalcResult.h"
#include "calculators/InvestmentCalculation.h"
#include "calculators/LoanScheduleDocument.h"
#include "calculators/RepaymentSchedule.h"
#include "store/DataFile.h"

namespace tf::cli {
namespace {

constexpr int kPerYear = 12;  // both calculators work in months

const std::string kLoanUsage =
    "usage: tallyfold-cli loan --amount A --rate R --months N --start \"DD MMM YYYY\" [OUT]\n"
    "  R is the annual interest rate in percent; OUT receives the repayment schedule (HTML)\n";
const std::string kInvestUsage =
    "usage: tallyfold-cli invest --deposit D|--value V --rate R --months N [--monthly]\n"
    "  --deposit gives the value at maturity, --value the deposit it needs; --monthly for\n"
    "  a deposit at the end of every month instead of one at the start\n";

TCalcNumberFormat CalcFormat() {
  TGlobal& global = Global();
  return {global.GetThousandSeparator(), global.GetDecimalSeparator()};
}

double PositiveAmount(const TOptions& options, const std::string& name) {
  const double amount = NumberValue(name, Required(options, name));
  if (!(amount > 0)) throw ECliValue("\"" + name + "\" must be above 0");
  return amount;
}

double Rate(const TOptions& options) {
  const double rate = NumberValue("--rate", Required(options, "--rate"));
  if (rate < 0) throw ECliValue("\"--rate\" must not be below 0");
  return rate;
}

int Months(const TOptions& options) {
  const int months = WholeNumberValue("--months", Required(options, "--months"));
  if (months < 1 || months > kMaxTermMonths)
    throw ECliValue("\"--months\" must be from 1 to " + std::to_string(kMaxTermMonths) + ", not " +
                    std::to_string(months));
  return months;
}

void RequireFinite(std::initializer_list<double> figures) {
  for (const double figure : figures)
    if (!std::isfinite(figure)) throw ECliValue(kBeyondAnyNumber);
}

void PrintFigure(const char* label, double amount, const TCalcNumberFormat& format) {
  std::cout << TabLine({label, FormatCalcAmount(amount, format)});
}

TMortgageRecord LoanSchedule(const TOptions& options) {
  const double amount = PositiveAmount(options, "--amount");
  const double rate = Rate(options);
  const int months = Months(options);
  const TDateTime start = DayValue("--start", Required(options, "--start"));
  TMortgageRecord record = BuildRepaymentSchedule(months, kPerYear, amount, rate, start);
  RequireFinite({record.MonthlyPayment, record.TotalRepayment, record.TotalInterest});
  // The annuity answers 0 when its figure overflows; a loan above 0 is
  // never really repaid with 0.
  if (!(record.MonthlyPayment > 0)) throw ECliValue(kBeyondAnyNumber);
  return record;
}

}  // namespace

int LoanCommand(const TArgs& args) {
  return RunGuarded(kLoanUsage, [&] {
    const TOptions options = ParseOptions(args, {"--amount", "--rate", "--months", "--start"});
    if (options.Positional.size() > 1) throw ECliUsage("give at most one output file");
    const TMortgageRecord record = LoanSchedule(options);
    const TCalcNumberFormat format = CalcFormat();
    // The document first, so that a file that cannot be written leaves no
    // figures behind on stdout as if the command had worked.
    if (!options.Positional.empty())
      WriteFileAtomically(options.Positional[0], LoanScheduleDocument(record, format));
    PrintFigure("Monthly Repayment", record.MonthlyPayment, format);
    PrintFigure("Total Repayments", record.TotalRepayment, format);
    PrintFigure("Interest", record.TotalInterest, format);
    if (!options.Positional.empty()) std::cout << options.Positional[0] << '\n';
  });
}

int InvestCommand(const TArgs& args) {
  return RunGuarded(kInvestUsage, [&] {
    const TOptions options =
        ParseOptions(args, {"--deposit", "--value", "--rate", "--months"}, {"--monthly"});
    if (!options.Positional.empty())
      throw ECliUsage("unexpected argument \"" + options.Positional[0] + "\"");
    const bool fromValue = options.Find("--value") != nullptr;
    if (fromValue == (options.Find("--deposit") != nullptr))
      throw ECliUsage("give either --deposit or --value");
    const TDepositKind kind =
        options.Has("--monthly") ? TDepositKind::Monthly : TDepositKind::OnceOff;
    TInvestmentInputs inputs;
    (fromValue ? inputs.ValueAtMaturity : inputs.Deposit) =
        PositiveAmount(options, fromValue ? "--value" : "--deposit");
    inputs.AnnualRate = Rate(options);
    inputs.Months = Months(options);
    const TInvestmentOutcome outcome = CalculateInvestment(inputs, kind, fromValue);
    const double figure =
        fromValue ? outcome.Deposit.value_or(0) : outcome.ValueAtMaturity.value_or(0);
    if (!outcome.HasAnswer) throw ECliValue(outcome.Message ? outcome.Message : kBeyondAnyNumber);
    RequireFinite({figure, outcome.InterestEarned});
    const TCalcNumberFormat format = CalcFormat();
    PrintFigure(fromValue ? "Deposit" : "Value at maturity", figure, format);
    PrintFigure("Interest Earned", outcome.InterestEarned, format);
  });
}

}  // namespace tf::cli

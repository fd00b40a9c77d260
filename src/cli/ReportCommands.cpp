// report finyear and budget: the financial year report and the budget
// export of one month, made from the data file and written to OUT.
#include <exception>
#include <iostream>
#include <optional>

#include "CliCommand.h"
#include "CliData.h"
#include "CliOptions.h"
#include "MonthlyReportCommand.h"
#include "app/Global.h"
#include "base/Formats.h"
#include "budgets/BudgetExport.h"
#include "budgets/BudgetMonth.h"
#include "reports/FinancialYearReport.h"
#include "store/DataFile.h"
#include "store/DateTime.h"

namespace tf::cli {
namespace {

const std::string kFinYearUsage = std::string("usage: tallyfold-cli report finyear ") +
                                  kDataOptionsUsage +
                                  " --from \"DD MMM YYYY\" --to \"DD MMM YYYY\" OUT\n";
const std::string kBudgetUsage = std::string("usage: tallyfold-cli budget ") + kDataOptionsUsage +
                                 " --month \"MMM YYYY\" OUT (.htm, .html or .csv)\n";

std::string OnlyOut(const TOptions& options) {
  if (options.Positional.size() != 1) throw ECliUsage("give exactly one output file");
  return options.Positional[0];
}

// A day the report cannot use is a mistake in the command line.
TDateTime ParseDayOption(const std::string& name, const std::string& text) {
  const std::optional<TDateTime> day = ParseDayText(text);
  if (!day)
    throw ECliUsage("\"" + name + "\" must be a date like 01 Jan 2024, not \"" + text + "\"");
  return *day;
}

TBudgetMonth ParseMonthOption(const std::string& text) {
  const auto month = ParseMonthText(text);
  if (!month) throw ECliUsage("\"--month\" must be a month like Mar 2026, not \"" + text + "\"");
  return TBudgetMonth(Global().Accounts, month->first, month->second);
}

void WriteOut(const std::string& path, const std::string& text) {
  WriteFileAtomically(path, text);
  std::cout << path << '\n';
}

}  // namespace

int ReportCommand(const TArgs& args) {
  if (!args.empty() && args[0] == "monthly")
    return MonthlyReportCommand(TArgs(args.begin() + 1, args.end()));
  if (args.empty() || args[0] != "finyear") {
    std::cerr << "tallyfold-cli: unknown report" << (args.empty() ? "" : " \"" + args[0] + "\"")
              << '\n'
              << kFinYearUsage << kMonthlyReportUsage;
    return 2;
  }
  return RunGuarded(kFinYearUsage, [&] {
    TArgs rest(args.begin() + 1, args.end());
    const TDataOptions data = TakeDataOptions(rest);
    const TOptions options = ParseOptions(rest, {"--from", "--to"});
    const TDateTime from = ParseDayOption("--from", Required(options, "--from"));
    const TDateTime to = ParseDayOption("--to", Required(options, "--to"));
    if (to < from) throw ECliUsage("\"--to\" lies before \"--from\"");
    const std::string out = OnlyOut(options);
    OpenDataFile(data);
    WriteOut(out, FinancialYearReport(Global().Accounts, from, to));
  });
}

int BudgetCommand(const TArgs& args) {
  return RunGuarded(kBudgetUsage, [&] {
    TArgs rest = args;
    const TDataOptions data = TakeDataOptions(rest);
    const TOptions options = ParseOptions(rest, {"--month"});
    TBudgetMonth month = ParseMonthOption(Required(options, "--month"));
    const std::string out = OnlyOut(options);
    const std::optional<TBudgetExportForm> form = BudgetExportFormOf(out);
    if (!form) throw ECliUsage("\"" + out + "\" must end in .htm, .html or .csv");
    OpenDataFile(data);
    month.Refresh();
    WriteOut(out, BudgetDocument(*form, month.Lines(), month.Year(), month.Month(),
                                 Global().NumberFormat()));
  });
}

}  // namespace tf::cli

// report finyear and budget: the financial year report and the budget
// export of one month, made from the data file and written to OUT.
#include <exception>
#include <iostream>
#include <map>
#include <optional>
#include <set>

#include "CliCommand.h"
#include "CliData.h"
#include "app/Formats.h"
#include "app/Global.h"
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

// "--name value" options and the remaining arguments, in order.
struct TOptions {
  std::map<std::string, std::string> Values;
  std::vector<std::string> Positional;
};

TOptions ParseOptions(const TArgs& args, const std::set<std::string>& names) {
  TOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.rfind("--", 0) != 0) {
      options.Positional.push_back(arg);
    } else if (names.count(arg) == 0) {
      throw ECliUsage("unknown option \"" + arg + "\"");
    } else if (i + 1 == args.size()) {
      throw ECliUsage("\"" + arg + "\" needs a value");
    } else {
      options.Values[arg] = args[++i];
    }
  }
  return options;
}

const std::string& Required(const TOptions& options, const std::string& name) {
  const auto found = options.Values.find(name);
  if (found == options.Values.end()) throw ECliUsage("\"" + name + "\" is missing");
  return found->second;
}

std::string OnlyOut(const TOptions& options) {
  if (options.Positional.size() != 1) throw ECliUsage("give exactly one output file");
  return options.Positional[0];
}

// "DD MMM YYYY" with an English month name, as the program shows dates.
TDateTime ParseDayOption(const std::string& name, const std::string& text) {
  const bool shaped = text.size() == 11 && text[2] == ' ' && text[6] == ' ' &&
                      MonthFromShortName(text.substr(3, 3)) != 0;
  const TDateTime date = shaped ? ParseStatementDate(text) : 0;
  if (date == 0) {
    throw ECliUsage("\"" + name + "\" must be a date like 01 Jan 2024, not \"" + text + "\"");
  }
  return date;
}

// "MMM YYYY", for example Mar 2026.
TBudgetMonth ParseMonthOption(const std::string& text) {
  const bool shaped =
      text.size() == 8 && text[3] == ' ' && MonthFromShortName(text.substr(0, 3)) != 0;
  const TDateTime date = shaped ? ParseStatementDate("01 " + text) : 0;
  if (date == 0) throw ECliUsage("\"--month\" must be a month like Mar 2026, not \"" + text + "\"");
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  return TBudgetMonth(year, month);
}

void WriteOut(const std::string& path, const std::string& text) {
  WriteFileAtomically(path, text);
  std::cout << path << '\n';
}

// Runs a command body; usage mistakes exit 2, every other failure 1.
template <class F>
int Guarded(const std::string& usage, F&& body) {
  try {
    body();
    return std::cout.good() ? 0 : 1;
  } catch (const ECliUsage& error) {
    std::cerr << "tallyfold-cli: " << error.what() << '\n' << usage;
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "tallyfold-cli: " << error.what() << '\n';
    return 1;
  }
}

}  // namespace

int ReportCommand(const TArgs& args) {
  if (args.empty() || args[0] != "finyear") {
    std::cerr << "tallyfold-cli: unknown report" << (args.empty() ? "" : " \"" + args[0] + "\"")
              << '\n'
              << kFinYearUsage;
    return 2;
  }
  return Guarded(kFinYearUsage, [&] {
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
  return Guarded(kBudgetUsage, [&] {
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

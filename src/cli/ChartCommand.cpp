// chart NAME: the series a chart of the reports page draws, one point a line
// (series title, point label, value as a plain number), for scripts and for
// checking the figures.
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "CliCommand.h"
#include "CliData.h"
#include "CliOptions.h"
#include "ExpenseCharts.h"
#include "app/Global.h"
#include "base/Formats.h"
#include "model/Account.h"
#include "reports/ReportCharts.h"
#include "workspace/AccountLookup.h"
#include "workspace/AmountEntry.h"

namespace tf::cli {
namespace {

const std::string kChartUsage =
    std::string("usage: tallyfold-cli chart NAME ") + kDataOptionsUsage +
    " [--accounts NAME,NAME] [options]\n"
    "  income-expenses --month \"MMM YYYY\"\n"
    "  income-expenses-pie [--month \"MMM YYYY\"] [--side Income|Expenses [--main NAME]]\n"
    "  spending [--month \"MMM YYYY\"] [--main NAME]   (NAME's month: --month, else this month)\n"
    "  trends --year YYYY [--iceberg]\n"
    "  compare --month \"MMM YYYY\" [--today \"DD MMM YYYY\"]\n" +
    kExpenseChartsUsage +
    "Without --month the pies cover all transactions; --accounts defaults to every account.\n";

// Options common to every chart, and the chart's own.
struct TChartRequest {
  TOptions Options;
  TChartScope Scope;
};

using TChartBuilder = std::function<TChartData(const TChartRequest&)>;

// "MMM YYYY", for example Mar 2026: the first day of that month.
TDateTime MonthValue(const std::string& text) {
  const bool shaped =
      text.size() == 8 && text[3] == ' ' && MonthFromShortName(text.substr(0, 3)) != 0;
  const TDateTime date = shaped ? ParseStatementDate("01 " + text) : 0;
  if (date == 0) throw ECliValue("\"--month\" must be a month like Mar 2026, not \"" + text + "\"");
  return date;
}

TChartPeriod OptionalMonth(const TOptions& options) {
  const std::string* month = options.Find("--month");
  return month ? MonthPeriod(MonthValue(*month)) : TChartPeriod{};
}

std::optional<std::string> OptionalText(const TOptions& options, const std::string& name) {
  const std::string* text = options.Find(name);
  return text ? std::optional<std::string>(*text) : std::nullopt;
}

TChartData IncomeExpensesChart(const TChartRequest& request) {
  return IncomeVsExpensesBars(request.Scope, MonthValue(Required(request.Options, "--month")));
}

TChartData IncomeExpensesPieChart(const TChartRequest& request) {
  const TOptions& options = request.Options;
  const TChartPeriod period = OptionalMonth(options);
  const std::optional<std::string> side = OptionalText(options, "--side");
  const std::optional<std::string> main = OptionalText(options, "--main");
  if (!side) {
    if (main) throw ECliValue("\"--main\" needs \"--side Income\" or \"--side Expenses\"");
    return IncomeVsExpensesPie(request.Scope, period);
  }
  if (*side != "Income" && *side != "Expenses")
    throw ECliValue("\"--side\" must be Income or Expenses, not \"" + *side + "\"");
  return IncomeExpenseBreakdown(
      request.Scope, period, *side == "Income" ? TBreakdownSide::Income : TBreakdownSide::Expenses,
      main.value_or(""));
}

TChartData SpendingChart(const TChartRequest& request) {
  const std::optional<std::string> main = OptionalText(request.Options, "--main");
  if (!main) return SpendingByCategory(request.Scope, OptionalMonth(request.Options));
  const std::string* month = request.Options.Find("--month");
  return SpendingBySubcategory(request.Scope, MonthPeriod(month ? MonthValue(*month) : Today()),
                               *main);
}

TChartData TrendsChart(const TChartRequest& request) {
  const int year = WholeNumberValue("--year", Required(request.Options, "--year"));
  if (year < 1 || year > 9998) throw ECliValue("\"--year\" must be a year like 2026");
  // The page's picker keeps today's month when its year changes.
  int thisYear = 0, month = 0, day = 0;
  DecodeDate(Today(), thisYear, month, day);
  return Trends(request.Scope, EncodeDate(year, month, std::min(day, DaysInMonth(year, month))),
                request.Options.Has("--iceberg"));
}

// The page compares up to today when the month shown is today's, else the
// whole month.
TChartData CompareChart(const TChartRequest& request) {
  const TDateTime month = MonthValue(Required(request.Options, "--month"));
  const std::string* todayText = request.Options.Find("--today");
  const TDateTime today = todayText ? DayValue("--today", *todayText) : Today();
  const TDateTime compared = SameMonth(month, today) ? today : EndOfMonth(month);
  return MonthComparison(request.Scope, DateOf(compared), today);
}

struct TChartCommand {
  TChartBuilder Build;
  std::set<std::string> Values;
  std::set<std::string> Flags;
};

const std::map<std::string, TChartCommand>& Charts() {
  static const std::map<std::string, TChartCommand> charts = {
      {"income-expenses", {IncomeExpensesChart, {"--month"}, {}}},
      {"income-expenses-pie", {IncomeExpensesPieChart, {"--month", "--side", "--main"}, {}}},
      {"spending", {SpendingChart, {"--month", "--main"}, {}}},
      {"trends", {TrendsChart, {"--year"}, {"--iceberg"}}},
      {"compare", {CompareChart, {"--month", "--today"}, {}}},
      {"expense-bars",
       {[](const TChartRequest& r) { return ExpenseBarsChartOf(r.Options, r.Scope.Accounts); },
        {"--from", "--to"},
        {}}},
      {"expense-lines",
       {[](const TChartRequest& r) { return ExpenseLinesChartOf(r.Options, r.Scope.Accounts); },
        {"--from", "--to"},
        {}}},
      {"compare-months",
       {[](const TChartRequest& r) { return CompareMonthsChartOf(r.Options, r.Scope.Accounts); },
        {"--month1", "--month2"},
        {}}},
  };
  return charts;
}

// The ticked accounts: every live one, or those named (by name or ID).
std::vector<const TAccount*> CountedAccounts(const TOptions& options) {
  const TAccount& root = Global().Accounts;
  const std::string* names = options.Find("--accounts");
  if (names == nullptr) return WholeScope(root, {}).Accounts;
  std::vector<const TAccount*> accounts;
  std::istringstream list(*names);
  for (std::string name; std::getline(list, name, ',');) {
    try {
      accounts.push_back(&FindAccountByNameOrId(root, name));
    } catch (const EAccountNotFound& error) {
      throw ECliValue(error.what());
    }
  }
  return accounts;
}

// -1500.5, 12, 0: no thousands separators, no trailing zeros.
std::string PlainNumber(double value) {
  return PlainAmountText(TCurrency::FromDouble(value), ".");
}

void PrintChart(const TChartData& chart) {
  for (const TChartSeries& series : chart.Series)
    for (const TChartPoint& point : series.Points)
      std::cout << TabLine({series.Title, point.Label, PlainNumber(point.Value)});
}

}  // namespace

int ChartCommand(const TArgs& args) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << kChartUsage;
    return 0;
  }
  if (args.empty() || Charts().count(args[0]) == 0) {
    std::cerr << "tallyfold-cli: unknown chart" << (args.empty() ? "" : " \"" + args[0] + "\"")
              << "; the charts are "
              << "income-expenses, income-expenses-pie, spending, trends, compare,\n"
              << "expense-bars, expense-lines and compare-months\n"
              << kChartUsage;
    return 1;
  }
  const TChartCommand& chart = Charts().at(args[0]);
  return RunGuarded(kChartUsage, [&] {
    TChartRequest request;
    TDataOptions data;
    // Every mistake in a chart's options ends with status 1, as an unknown
    // chart does; only a wrong password gives 2.
    try {
      TArgs rest(args.begin() + 1, args.end());
      data = TakeDataOptions(rest);
      std::set<std::string> values = chart.Values;
      values.insert("--accounts");
      request.Options = ParseOptions(rest, values, chart.Flags);
      if (!request.Options.Positional.empty())
        throw ECliUsage("unexpected argument \"" + request.Options.Positional[0] + "\"");
    } catch (const ECliUsage& error) {
      throw ECliValue(error.what() + std::string("\n") + kChartUsage);
    }
    OpenDataFile(data);
    request.Scope = {CountedAccounts(request.Options), Global().Categories.Entries()};
    Global().BuildMonthIndex(true);
    try {
      PrintChart(chart.Build(request));
    } catch (const ECliUsage& error) {
      throw ECliValue(error.what() + std::string("\n") + kChartUsage);
    }
  });
}

}  // namespace tf::cli

#include "ExpenseCharts.h"

#include "CliData.h"
#include "base/Formats.h"
#include "reports/ExpenseReport.h"
#include "reports/MonthCompare.h"
#include "reports/ReportPeriods.h"

namespace tf::cli {
namespace {

TPeriod PeriodOption(const TOptions& options) {
  const TDateTime from = DayValue("--from", Required(options, "--from"));
  const TDateTime to = DayValue("--to", Required(options, "--to"));
  if (to < from) throw ECliValue("\"--to\" lies before \"--from\"");
  return {from, to};
}

// "MMM YYYY", for example Mar 2026: the first day of that month.
TDateTime MonthOption(const TOptions& options, const std::string& name) {
  const std::string& text = Required(options, name);
  const bool shaped =
      text.size() == 8 && text[3] == ' ' && MonthFromShortName(text.substr(0, 3)) != 0;
  const TDateTime date = shaped ? ParseStatementDate("01 " + text) : 0;
  if (date == 0)
    throw ECliValue("\"" + name + "\" must be a month like Mar 2026, not \"" + text + "\"");
  return date;
}

}  // namespace

TChartData ExpenseBarsChartOf(const TOptions& options,
                              const std::vector<const TAccount*>& accounts) {
  const TPeriod period = PeriodOption(options);
  return ExpenseBarsChart(ExpenseBars(CollectExpenses(accounts, period.From, period.To)));
}

TChartData ExpenseLinesChartOf(const TOptions& options,
                               const std::vector<const TAccount*>& accounts) {
  const TPeriod asked = PeriodOption(options);
  const TPeriod period = WholeMonths(asked.From, asked.To);
  return ExpenseLinesChart(
      ExpenseLines(CollectExpenses(accounts, period.From, period.To), period.From, period.To));
}

TChartData CompareMonthsChartOf(const TOptions& options,
                                const std::vector<const TAccount*>& accounts) {
  const TDateTime one = MonthOption(options, "--month1"), two = MonthOption(options, "--month2");
  return MonthCompareChart(
      MonthCompareRows(CollectMonth(accounts, one), CollectMonth(accounts, two)), MonthTitle(one),
      MonthTitle(two));
}

}  // namespace tf::cli

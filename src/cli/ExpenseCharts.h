// The chart reports of the report chooser on the command line, for `chart`:
// expense-bars and expense-lines over --from and --to, compare-months over
// --month1 and --month2, each for the counted accounts.
#pragma once

#include <vector>

#include "CliOptions.h"
#include "reports/ChartSeries.h"

namespace tf {
class TAccount;
}

namespace tf::cli {

inline constexpr const char* kExpenseChartsUsage =
    "  expense-bars --from \"DD MMM YYYY\" --to \"DD MMM YYYY\"\n"
    "  expense-lines --from \"DD MMM YYYY\" --to \"DD MMM YYYY\"   (whole months)\n"
    "  compare-months --month1 \"MMM YYYY\" --month2 \"MMM YYYY\"\n";

// ECliValue for a missing or mistaken option and for a period whose end
// lies before its start.
TChartData ExpenseBarsChartOf(const TOptions& options,
                              const std::vector<const TAccount*>& accounts);
TChartData ExpenseLinesChartOf(const TOptions& options,
                               const std::vector<const TAccount*>& accounts);
TChartData CompareMonthsChartOf(const TOptions& options,
                                const std::vector<const TAccount*>& accounts);

}  // namespace tf::cli

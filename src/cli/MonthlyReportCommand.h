// report monthly: income and expense totals per category and month, as a
// table, CSV or JSON on stdout.
#pragma once

#include <string>

#include "CliCommand.h"

namespace tf::cli {

extern const std::string kMonthlyReportUsage;

// The arguments after "report monthly".
int MonthlyReportCommand(const TArgs& args);

}  // namespace tf::cli

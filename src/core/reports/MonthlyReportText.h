// The monthly category report as text: an aligned table for the terminal,
// amounts in the user's display form, and CSV for spreadsheets with plain
// numbers.
#pragma once

#include <string>

#include "reports/MonthlyCategoryReport.h"

namespace tf {

class TNumberFormat;

// A heading line, the income rows under "Income" with "Total income", the
// expense rows under "Expenses" with "Total expenses", then "Net"; numbers
// right-aligned in their columns.
std::string MonthlyReportTable(const TMonthlyReport& report, TNumberFormat& format);

// RFC 4180 with CR LF line ends: the header "Category", the months as
// "MMM YYYY" and "Total"; the income rows, "Total income", the expense rows,
// "Total expenses" and "Net". Numbers without grouping, "." as decimal point.
std::string MonthlyReportCsv(const TMonthlyReport& report);

// The sum as a plain number: -1500.5, 0, 12.25.
std::string PlainAmount(const TMoneySum& sum);

}  // namespace tf

// The financial year report: every live transaction of every live account in
// a period, grouped by main and sub-category, with plus, minus and running
// balance columns and a total after each sub-category and main category.
#pragma once

#include <string>
#include <vector>

#include "store/DateTime.h"

namespace tf {

class TAccount;
class TBone;
class TTransactions;

// The report's order: the whole Category ignoring case, then the calendar
// day of the date, then "SortOrder". Negative when a comes first.
int CompareReportTransactions(const TBone* a, const TBone* b);

// The live transactions of the live accounts of `accounts` (the root table)
// whose calendar date lies from `from` to `to`, both included, in report order.
std::vector<const TTransactions*> CollectReportTransactions(const TAccount& accounts,
                                                            TDateTime from, TDateTime to);

// The whole HTML document for the period. Texts from the data are escaped.
std::string FinancialYearReport(const TAccount& accounts, TDateTime from, TDateTime to);

// "Financial Year Report 01 Jan 2024 to 31 Dec 2024.htm".
std::string FinancialYearReportFileName(TDateTime from, TDateTime to);

}  // namespace tf

// The file name the export's save dialog proposes: the account and the dates
// listed, so that exports of several months do not overwrite each other.
#pragma once

#include <string>

#include "workspace/DateRangeStep.h"

namespace tf {

// "Cheque 01 Mar 2010 to 31 Mar 2010.csv", "Cheque all dates.csv" while
// dates are ignored; characters that file names may not hold become "-".
std::string ExportProposedName(const std::string& account, const TDateRange& range,
                               bool ignoreDates);

// "4 transactions exported to /home/jo/Documents/Cheque.csv."
std::string ExportedMessage(int count, const std::string& path);

}  // namespace tf

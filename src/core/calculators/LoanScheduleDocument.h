// The loan repayment schedule as an HTML document, made from the
// "loanschedule" template; the caller saves it and opens it.
#pragma once

#include <string>

#include "calculators/CalcNumberFormat.h"
#include "calculators/MortgageRecord.h"

namespace tf {

// The name the save dialog proposes.
inline constexpr const char* kLoanScheduleFileName = "Loan Repayment Schedule.htm";

// The whole document, CR LF line ends, amounts written with FormatCalcAmount
// and months as "mmm yyyy" (Jan 2024).
std::string LoanScheduleDocument(const TMortgageRecord& record, const TCalcNumberFormat& format);

}  // namespace tf

// A whole loan repayment schedule: the loan's figures for the document's
// header and one row per monthly payment.
#pragma once

#include <vector>

#include "calculators/MortgagePayment.h"
#include "store/DateTime.h"

namespace tf {

struct TMortgageRecord {
  double LoanAmount = 0;
  int Months = 0;
  int Years = 0;          // Months div 12
  double AnnualRate = 0;  // percent
  TDateTime StartDate = 0;
  TDateTime EndDate = 0;     // the month after the last payment
  double TotalInterest = 0;  // from the unrounded monthly payment
  double MonthlyPayment = 0;
  double TotalRepayment = 0;
  std::vector<TMortgagePayment> Payments;
};

}  // namespace tf

// One month of a loan repayment schedule: what is paid, how it splits into
// interest and principal, and what is still owed afterwards.
#pragma once

#include "store/DateTime.h"

namespace tf {

struct TMortgagePayment {
  int PaymentNo = 0;  // from 1
  TDateTime Date = 0;
  double Payment = 0;
  double Balance = 0;  // owed after this payment
  double Interest = 0;
  double InterestToDate = 0;
  double Principal = 0;
  double PrincipalToDate = 0;
};

}  // namespace tf

#include "calculators/RepaymentSchedule.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calculators/Annuity.h"
#include "calculators/CalculatorError.h"

namespace tf {
namespace {

// To the cent, halves to the even cent.
double RoundCents(double value) {
  return std::nearbyint(value * 100) / 100;
}

TMortgageRecord RecordHeader(int months, int periodsPerYear, double amount, double rate,
                             TDateTime startDate) {
  if (months > kMaxTermMonths) {
    throw TCalculatorError("A repayment schedule can cover at most " +
                           std::to_string(kMaxTermMonths) + " months; this term is " +
                           std::to_string(months) + " months.");
  }
  TMortgageRecord record;
  record.LoanAmount = amount;
  record.Months = months;
  record.Years = months / 12;
  record.AnnualRate = rate;
  record.StartDate = DateOf(startDate);
  if (!TryAddMonths(record.StartDate, months, record.EndDate)) {
    throw TCalculatorError(
        "This repayment schedule would end after the year 9999; choose a "
        "shorter term or an earlier start date.");
  }
  const TCalcResult repayment =
      AnnuityValue(TAnnuityMode::Repayment, months, periodsPerYear, amount, rate, 0);
  record.MonthlyPayment = repayment.Value;
  record.TotalRepayment = months * record.MonthlyPayment;
  record.TotalInterest = record.TotalRepayment - amount;
  return record;
}

// The payments in cents; the last month pays whatever is left, and an
// overpayment is taken off the payment that causes it.
void AddPayments(TMortgageRecord& record) {
  const int months = record.Months;
  const double monthlyRate = record.AnnualRate / 12;  // always 12, whatever k
  double pay = RoundCents(record.MonthlyPayment);
  double balance = record.LoanAmount;
  double interestSum = 0;
  double principalSum = 0;
  TDateTime date = record.StartDate;
  for (int i = 1; i <= months; ++i) {
    const double interest = std::nearbyint(balance * monthlyRate / 100 * 100) / 100;
    if (i == months) pay = balance + interest;
    double principal = pay - interest;
    balance -= principal;
    if (balance < 0) {
      pay += balance;
      principal += balance;
      balance = 0;
    }
    interestSum += interest;
    principalSum += principal;
    record.Payments.push_back(
        {i, date, pay, balance, interest, interestSum, principal, principalSum});
    if (balance == 0) break;
    TryAddMonths(date, 1, date);  // within the end date, which was checked
  }
}

}  // namespace

bool TryAddMonths(TDateTime date, int months, TDateTime& out) {
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  const long long index = year * 12LL + (month - 1) + months;
  const long long newYear = index >= 0 ? index / 12 : (index - 11) / 12;
  const int newMonth = static_cast<int>(index - newYear * 12) + 1;
  if (newYear < 1 || newYear > 9999) return false;
  const int y = static_cast<int>(newYear);
  return TryEncodeDate(y, newMonth, std::min(day, DaysInMonth(y, newMonth)), out);
}

TMortgageRecord BuildRepaymentSchedule(int months, int periodsPerYear, double amount, double rate,
                                       TDateTime startDate) {
  TMortgageRecord record = RecordHeader(months, periodsPerYear, amount, rate, startDate);
  // Below one month there is no last month to pay the balance in.
  if (months >= 1) AddPayments(record);
  return record;
}

}  // namespace tf

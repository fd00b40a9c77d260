#include "calculators/LoanScheduleDocument.h"

#include "base/ReportTemplate.h"
#include "calculators/CalcNumbers.h"
#include "reports/HtmlEscape.h"
#include "reports/RowColors.h"

namespace tf {
namespace {

constexpr int kLoanScheduleTemplate = 1;

// "mmm yyyy" with the English month names, as everywhere in the program.
std::string MonthYear(TDateTime date) {
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  std::string yearText = std::to_string(year);
  if (yearText.size() < 4) yearText.insert(0, 4 - yearText.size(), '0');
  return std::string(ShortMonthName(month)) + " " + yearText;
}

// Fills one token; every value is escaped, the separators being preferences.
std::string Fill(const char* name, const std::string& value, const std::string& text) {
  return FillToken(name, HtmlEscape(value), text);
}

std::string FillHeader(std::string text, const TMortgageRecord& record,
                       const TCalcNumberFormat& format) {
  text = Fill("LOANAMOUNT", FormatCalcAmount(record.LoanAmount, format), text);
  text = Fill("PERIODMONTH", std::to_string(record.Months), text);
  text = Fill("PERIODYEAR", std::to_string(record.Years), text);
  text = Fill("RATE", FormatCalcAmount(record.AnnualRate, format), text);
  text = Fill("STARTDATE", MonthYear(record.StartDate), text);
  text = Fill("ENDDATE", MonthYear(record.EndDate), text);
  text = Fill("LOANTOTAL", FormatCalcAmount(record.TotalRepayment, format), text);
  return Fill("INTERESTFINAL", FormatCalcAmount(record.TotalInterest, format), text);
}

std::string FillRow(std::string row, const TMortgagePayment& payment, const std::string& color,
                    const TCalcNumberFormat& format) {
  row = Fill("ROWCOLOR", color, row);
  row = Fill("PAYMENTNO", std::to_string(payment.PaymentNo), row);
  row = Fill("DATE", MonthYear(payment.Date), row);
  row = Fill("PAYMENT", FormatCalcAmount(payment.Payment, format), row);
  row = Fill("BALANCE", FormatCalcAmount(payment.Balance, format), row);
  row = Fill("INTPAY", FormatCalcAmount(payment.Interest, format), row);
  row = Fill("INTPAYTOTAL", FormatCalcAmount(payment.InterestToDate, format), row);
  row = Fill("LOANPAY", FormatCalcAmount(payment.Principal, format), row);
  return Fill("LOANPAYTOTAL", FormatCalcAmount(payment.PrincipalToDate, format), row);
}

}  // namespace

std::string LoanScheduleDocument(const TMortgageRecord& record, const TCalcNumberFormat& format) {
  std::string text = LoadTemplate(kLoanScheduleTemplate);
  const std::string block = CutRowBlock(text, 1);
  text = FillHeader(text, record, format);
  TRowColors colors;
  std::string rows;
  for (const TMortgagePayment& payment : record.Payments) {
    rows += "\r\n";
    rows += FillRow(block, payment, colors.Next(), format);
  }
  return PlaceRows(text, rows);
}

}  // namespace tf

// Income and expense totals per category and calendar month over the live
// transactions of chosen accounts, each row signed as stored. Transfers and
// deposits are left out, as the charts of the reports page leave them out.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/MoneySum.h"

namespace tf {

class TAccount;

// A calendar month; its Number counts months, so months compare and step.
struct TReportMonth {
  int Year = 0;
  int Month = 0;  // 1..12

  int Number() const { return Year * 12 + Month - 1; }
  static TReportMonth FromNumber(int number) { return {number / 12, number % 12 + 1}; }
  // "MMM YYYY", for example "Jan 2025".
  std::string Name() const;
  friend bool operator==(TReportMonth, TReportMonth) = default;
};

enum class TCategoryDepth { Main, Full };

struct TMonthlyReportRequest {
  // The accounts counted; rows marked Deleted among them are skipped.
  std::vector<const TAccount*> Accounts;
  // No value: To is the last month holding a counted transaction (or From,
  // when none lies after it); From lies eleven months before To.
  std::optional<TReportMonth> From, To;
  TCategoryDepth Depth = TCategoryDepth::Full;
};

// One line of the report: a category (or a total) with its amount per month.
struct TMonthlyRow {
  std::string Category;            // "n/a" for the uncategorised transactions
  std::vector<TMoneySum> Amounts;  // one per month of the report
  TMoneySum Total;
};

// Income or expenses: a row per category that has transactions in the
// period, "n/a" last and the others by name ignoring case, then the total.
struct TMonthlySection {
  std::vector<TMonthlyRow> Rows;
  TMonthlyRow Total;
};

struct TMonthlyReport {
  std::vector<TReportMonth> Months;  // every month of the period, oldest first
  TMonthlySection Income, Expenses;
  TMonthlyRow Net;  // income plus expenses
};

// One pass over the transactions of the accounts; a period whose To lies
// before its From has no months.
TMonthlyReport BuildMonthlyReport(const TMonthlyReportRequest& request);

}  // namespace tf

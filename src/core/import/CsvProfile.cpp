#include "import/CsvProfile.h"

#include <set>

#include "import/StatementText.h"

namespace tf {
namespace {

constexpr int kMaxColumn = 500;
constexpr int kMaxSkipLines = 1000;
constexpr std::size_t kMaxNameLength = 60;

std::string ColumnProblem(const char* what, int column, int columnCount) {
  if (column < 1 || column > kMaxColumn)
    return std::string("Choose the ") + what + " column (from 1 to " + std::to_string(kMaxColumn) +
           ").";
  if (columnCount > 0 && column > columnCount)
    return std::string("The ") + what + " column " + std::to_string(column) +
           " is beyond the file's " + std::to_string(columnCount) + " columns.";
  return {};
}

std::string NameProblem(const std::string& name) {
  const std::string trimmed = std::string(Trimmed(name));
  if (trimmed.empty()) return "Give the profile a name, such as the bank's.";
  if (trimmed.size() > kMaxNameLength)
    return "The profile's name is longer than " + std::to_string(kMaxNameLength) + " characters.";
  if (trimmed != name) return "The profile's name begins or ends with a blank.";
  return {};
}

std::string AmountProblem(const TCsvProfile& p) {
  if (!p.TwoAmountColumns()) {
    if (p.InColumn != 0 || p.OutColumn != 0)
      return "Choose either one amount column or the money in and money out columns, not both.";
    return ColumnProblem("amount", p.AmountColumn, p.ColumnCount);
  }
  std::string problem = ColumnProblem("money in", p.InColumn, p.ColumnCount);
  if (problem.empty()) problem = ColumnProblem("money out", p.OutColumn, p.ColumnCount);
  if (problem.empty() && p.InColumn == p.OutColumn)
    problem = "Money in and money out must be two different columns.";
  return problem;
}

std::string DescriptionProblem(const TCsvProfile& p) {
  if (p.DescriptionColumns.empty()) return "Choose at least one description column.";
  for (int column : p.DescriptionColumns) {
    std::string problem = ColumnProblem("description", column, p.ColumnCount);
    if (!problem.empty()) return problem;
  }
  return {};
}

// The date, the amounts and the balance each need a column of their own.
std::string OverlapProblem(const TCsvProfile& p) {
  std::vector<int> used = {p.DateColumn};
  if (p.TwoAmountColumns()) {
    used.push_back(p.InColumn);
    used.push_back(p.OutColumn);
  } else {
    used.push_back(p.AmountColumn);
  }
  if (p.BalanceColumn != 0) used.push_back(p.BalanceColumn);
  const std::set<int> distinct(used.begin(), used.end());
  if (distinct.size() != used.size())
    return "The date, amount and balance columns must all be different.";
  for (int column : p.DescriptionColumns)
    if (distinct.count(column) != 0)
      return "Column " + std::to_string(column) +
             " is read as a date or an amount; it cannot be part of the description.";
  return {};
}

}  // namespace

std::string ProfileProblem(const TCsvProfile& p) {
  std::string problem = NameProblem(p.Name);
  if (problem.empty() && p.Separator != ',' && p.Separator != ';' && p.Separator != '\t')
    problem = "The separator must be a comma, a semicolon or a tab.";
  if (problem.empty() && (p.SkipLines < 0 || p.SkipLines > kMaxSkipLines))
    problem = "Skip from 0 to " + std::to_string(kMaxSkipLines) + " heading lines.";
  if (problem.empty()) problem = ColumnProblem("date", p.DateColumn, p.ColumnCount);
  if (problem.empty()) problem = AmountProblem(p);
  if (problem.empty()) problem = DescriptionProblem(p);
  if (problem.empty() && p.BalanceColumn != 0)
    problem = ColumnProblem("balance", p.BalanceColumn, p.ColumnCount);
  if (problem.empty() && p.DecimalSeparator != '.' && p.DecimalSeparator != ',')
    problem = "The decimal separator must be a point or a comma.";
  if (problem.empty()) problem = OverlapProblem(p);
  return problem;
}

const char* DateOrderCode(TDateOrder order) {
  switch (order) {
    case TDateOrder::MonthDayYear:
      return "mdy";
    case TDateOrder::YearMonthDay:
      return "ymd";
    default:
      return "dmy";
  }
}

bool TryDateOrderFromCode(std::string_view code, TDateOrder& order) {
  for (TDateOrder candidate :
       {TDateOrder::DayMonthYear, TDateOrder::MonthDayYear, TDateOrder::YearMonthDay}) {
    if (code == DateOrderCode(candidate)) {
      order = candidate;
      return true;
    }
  }
  return false;
}

const char* DateOrderCaption(TDateOrder order) {
  switch (order) {
    case TDateOrder::MonthDayYear:
      return "month-day-year";
    case TDateOrder::YearMonthDay:
      return "year-month-day";
    default:
      return "day-month-year";
  }
}

std::string SeparatorName(char separator) {
  switch (separator) {
    case ',':
      return "comma";
    case ';':
      return "semicolon";
    case '\t':
      return "tab";
    default:
      return std::string(1, separator);
  }
}

std::string ColumnListText(const std::vector<int>& columns) {
  std::string text;
  for (int column : columns) {
    if (!text.empty()) text += ',';
    text += std::to_string(column);
  }
  return text;
}

bool TryColumnListFromText(std::string_view text, std::vector<int>& columns) {
  std::vector<int> read;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) comma = text.size();
    int column = 0;
    if (!TryReadWholeNumber(std::string(Trimmed(text.substr(start, comma - start))), column))
      return false;
    read.push_back(column);
    start = comma + 1;
  }
  columns = std::move(read);
  return true;
}

}  // namespace tf

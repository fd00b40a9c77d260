#include "reports/MonthlyCategoryReport.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string_view>
#include <unordered_map>

#include "model/Account.h"
#include "model/ModelText.h"
#include "model/Transactions.h"
#include "store/DateTime.h"

namespace tf {
namespace {

constexpr const char* kUncategorised = "n/a";

// Looked up by view, so a row's category needs no copy.
struct TTextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const {
    return std::hash<std::string_view>{}(text);
  }
};

// The sums of one section as the pass meets them: each category once, and a
// cell per category and month that holds a transaction.
class TSectionCells {
 public:
  void Add(std::string_view category, int month, TCurrency amount) {
    auto found = Index_.find(category);
    if (found == Index_.end())
      found = Index_.emplace(std::string(category), static_cast<int>(Index_.size())).first;
    const std::uint64_t key =
        static_cast<std::uint64_t>(found->second) << 32 | static_cast<std::uint32_t>(month);
    Cells_[key].Add(amount);
  }

  // The rows of the categories with a cell in the period, in report order.
  std::vector<TMonthlyRow> Rows(int first, int count) const {
    std::vector<TNamedRow> rows(Index_.size());
    for (const auto& [name, index] : Index_) rows[static_cast<std::size_t>(index)].Name = name;
    for (const auto& [key, sum] : Cells_) {
      const int month = static_cast<int>(static_cast<std::uint32_t>(key)) - first;
      if (month < 0 || month >= count) continue;
      TMonthlyRow& row = rows[key >> 32].Row;
      if (row.Amounts.empty()) row.Amounts.resize(static_cast<std::size_t>(count));
      row.Amounts[static_cast<std::size_t>(month)].Add(sum);
      row.Total.Add(sum);
    }
    std::erase_if(rows, [](const TNamedRow& row) { return row.Row.Amounts.empty(); });
    std::sort(rows.begin(), rows.end(), ReportOrder);
    std::vector<TMonthlyRow> result;
    result.reserve(rows.size());
    for (TNamedRow& row : rows) {
      row.Row.Category = row.Name.empty() ? kUncategorised : std::string(row.Name);
      result.push_back(std::move(row.Row));
    }
    return result;
  }

 private:
  struct TNamedRow {
    std::string_view Name;  // empty for the uncategorised transactions
    TMonthlyRow Row;
  };

  // The uncategorised after every category, the others by name ignoring case.
  static bool ReportOrder(const TNamedRow& a, const TNamedRow& b) {
    if (a.Name.empty() != b.Name.empty()) return b.Name.empty();
    const int order = CompareIgnoringCase(a.Name, b.Name);
    return order != 0 ? order < 0 : a.Name < b.Name;
  }

  std::unordered_map<std::string, int, TTextHash, std::equal_to<>> Index_;
  std::unordered_map<std::uint64_t, TMoneySum> Cells_;
};

// Every counted transaction into its section's cells; the last month that
// holds one, or no value.
std::optional<int> CollectCells(const TMonthlyReportRequest& request, TSectionCells& income,
                                TSectionCells& expenses) {
  std::optional<int> last;
  std::string scratch;
  for (const TAccount* account : request.Accounts) {
    const TTransactions* table =
        account && !account->Deleted ? account->TransactionsTable() : nullptr;
    if (table == nullptr) continue;
    for (int i = 0; i < table->RowCount(); ++i) {
      const TTransactions* row = table->TransactionAt(i);
      if (row == nullptr || row->Deleted) continue;
      const int type = row->GetTransactionType();
      if (type != ttIncome && type != ttExpense) continue;
      int year, month, day;
      row->DecodedDate(year, month, day);
      const int number = TReportMonth{year, month}.Number();
      last = std::max(last.value_or(number), number);
      std::string_view category = FieldText(row->FieldAt(TTransactions::fCategory), scratch);
      if (request.Depth == TCategoryDepth::Main) category = MainCategoryPart(category);
      (type == ttIncome ? income : expenses)
          .Add(category, number, row->FieldAt(TTransactions::fAmount)->AsCurrency());
    }
  }
  return last;
}

// The period's first month and its number of months (0 when To lies before From).
std::pair<int, int> Period(const TMonthlyReportRequest& request, std::optional<int> lastHeld) {
  std::optional<int> to;
  if (request.To)
    to = request.To->Number();
  else if (lastHeld)
    to = request.From ? std::max(*lastHeld, request.From->Number()) : *lastHeld;
  else if (request.From)
    to = request.From->Number();
  if (!to) return {0, 0};
  const int from = request.From ? request.From->Number() : *to - 11;
  return {from, std::max(0, *to - from + 1)};
}

TMonthlyRow TotalRow(const std::string& caption, const std::vector<TMonthlyRow>& rows, int count) {
  TMonthlyRow total{caption, std::vector<TMoneySum>(static_cast<std::size_t>(count)), {}};
  for (const TMonthlyRow& row : rows) {
    for (std::size_t m = 0; m < row.Amounts.size(); ++m) total.Amounts[m].Add(row.Amounts[m]);
    total.Total.Add(row.Total);
  }
  return total;
}

}  // namespace

std::string TReportMonth::Name() const {
  std::string year = std::to_string(Year);
  if (year.size() < 4) year.insert(0, 4 - year.size(), '0');
  return std::string(ShortMonthName(Month)) + " " + year;
}

TMonthlyReport BuildMonthlyReport(const TMonthlyReportRequest& request) {
  TSectionCells income, expenses;
  const auto [first, count] = Period(request, CollectCells(request, income, expenses));
  TMonthlyReport report;
  for (int m = 0; m < count; ++m) report.Months.push_back(TReportMonth::FromNumber(first + m));
  report.Income.Rows = income.Rows(first, count);
  report.Income.Total = TotalRow("Total income", report.Income.Rows, count);
  report.Expenses.Rows = expenses.Rows(first, count);
  report.Expenses.Total = TotalRow("Total expenses", report.Expenses.Rows, count);
  report.Net = TotalRow("Net", {report.Income.Total, report.Expenses.Total}, count);
  return report;
}

}  // namespace tf

#include "reports/MonthCompare.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>

#include "model/ModelText.h"
#include "model/MoneySum.h"
#include "model/Transactions.h"
#include "reports/ReportSelection.h"

namespace tf {
namespace {

std::string FoldedCase(std::string_view text) {
  std::string folded(text);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

// Sums of one type of one month: the whole and per main category, where
// main categories that differ only in letter case count as one (the first
// spelling met names it).
struct TTypeSums {
  TMoneySum All;
  std::map<std::string, std::pair<std::string, TMoneySum>> ByMain;  // folded -> (name, sum)
};

TTypeSums SumsOfType(const std::vector<const TTransactions*>& rows, int type) {
  TTypeSums sums;
  std::string scratch;
  for (const TTransactions* t : rows) {
    if (t->GetTransactionType() != type) continue;
    const TCurrency amount = t->FieldAt(TTransactions::fAmount)->AsCurrency();
    const std::string_view main =
        MainCategoryPart(FieldText(t->FieldAt(TTransactions::fCategory), scratch));
    sums.All.Add(amount);
    auto [at, added] = sums.ByMain.try_emplace(FoldedCase(main), std::string(main), TMoneySum{});
    at->second.second.Add(amount);
  }
  return sums;
}

double ValueOf(const TTypeSums& sums, const std::string& folded, double sign) {
  const auto at = sums.ByMain.find(folded);
  return at == sums.ByMain.end() ? 0 : sign * at->second.second.ToDouble();
}

// The "All" row and one row per main category of either month.
void AddRows(std::vector<TMonthCompareRow>& rows, const std::string& allLabel, int type,
             double sign, const std::vector<const TTransactions*>& month1,
             const std::vector<const TTransactions*>& month2) {
  const TTypeSums one = SumsOfType(month1, type), two = SumsOfType(month2, type);
  rows.push_back({allLabel, sign * one.All.ToDouble(), sign * two.All.ToDouble()});
  std::map<std::string, std::string> mains = {};  // folded -> name, month 1's spelling first
  for (const auto& [folded, entry] : one.ByMain) mains.emplace(folded, entry.first);
  for (const auto& [folded, entry] : two.ByMain) mains.emplace(folded, entry.first);
  std::vector<std::pair<std::string, std::string>> sorted(mains.begin(), mains.end());
  std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
    return CompareIgnoringCase(a.second, b.second) < 0;
  });
  for (const auto& [folded, name] : sorted)
    rows.push_back({name, ValueOf(one, folded, sign), ValueOf(two, folded, sign)});
}

}  // namespace

std::vector<const TTransactions*> CollectMonth(const std::vector<const TAccount*>& accounts,
                                               TDateTime month) {
  return CollectTransactionsOfTypes(accounts, StartOfMonth(month), EndOfMonth(month),
                                    [](int type) { return type == ttIncome || type == ttExpense; });
}

// Taken to the four decimals amounts have, so that 0.3 against 0.1 is 0.2.
double TMonthCompareRow::Difference() const {
  return std::round(std::fabs(Month1 - Month2) * 10000.0) / 10000.0;
}

std::vector<TMonthCompareRow> MonthCompareRows(const std::vector<const TTransactions*>& month1,
                                               const std::vector<const TTransactions*>& month2) {
  std::vector<TMonthCompareRow> rows;
  AddRows(rows, "All Income", ttIncome, 1, month1, month2);
  AddRows(rows, "All Expenses", ttExpense, -1, month1, month2);
  return rows;
}

TChartData MonthCompareChart(const std::vector<TMonthCompareRow>& rows,
                             const std::string& month1Title, const std::string& month2Title) {
  TChartSeries one{month1Title, {}}, difference{"Diffrence", {}}, two{month2Title, {}};
  for (std::size_t y = 0; y < rows.size(); ++y) {
    const TMonthCompareRow& row = rows[y];
    const std::string position = std::to_string(y) + ":";
    if (row.Month1 != 0) one.Points.push_back({position + row.Label, row.Month1, std::nullopt});
    if (row.Month2 != 0) two.Points.push_back({position + row.Label, row.Month2, std::nullopt});
    if (row.Difference() != 0)
      difference.Points.push_back({position + "Diff", row.Difference(), std::nullopt});
  }
  return {"", {std::move(one), std::move(difference), std::move(two)}};
}

}  // namespace tf

#include "reports/ExpenseReport.h"

#include <algorithm>
#include <deque>
#include <map>
#include <string_view>
#include <unordered_map>

#include "base/CategoryList.h"
#include "base/ChartPalette.h"
#include "model/ModelText.h"
#include "model/MoneySum.h"
#include "model/Transactions.h"
#include "reports/ReportCharts.h"
#include "reports/ReportPeriods.h"
#include "reports/ReportSelection.h"

namespace tf {
namespace {

constexpr int kFirstPaletteIndex = 15;  // the darkest shade of the first group

struct TKeyedRow {
  std::string_view Category;
  const TTransactions* Row;
};

// Each row with its Category text, read once; `converted` keeps the texts of
// rows whose field holds no text.
std::vector<TKeyedRow> KeyedRows(const std::vector<const TTransactions*>& rows,
                                 std::deque<std::string>& converted) {
  std::vector<TKeyedRow> keyed;
  keyed.reserve(rows.size());
  std::string scratch;
  for (const TTransactions* row : rows) {
    const std::string& text = FieldText(row->FieldAt(TTransactions::fCategory), scratch);
    const std::string& kept = &text == &scratch ? converted.emplace_back(text) : text;
    keyed.push_back({kept, row});
  }
  return keyed;
}

TCurrency AmountOf(const TTransactions& t) {
  return t.FieldAt(TTransactions::fAmount)->AsCurrency();
}

// Z before A ignoring case; texts equal apart from case stay apart.
bool CategoryBefore(std::string_view a, std::string_view b) {
  const int folded = CompareIgnoringCase(a, b);
  return folded != 0 ? folded > 0 : a > b;
}

// The sub-category sums, one per distinct Category text, in list order.
struct TSubSum {
  std::string Main, Sub;
  TMoneySum Spent;
};

std::vector<TSubSum> SubSums(const std::vector<const TTransactions*>& expenses) {
  std::deque<std::string> converted;
  const std::vector<TKeyedRow> keyed = KeyedRows(expenses, converted);
  std::map<std::pair<std::string, std::string>, std::size_t> position;
  std::vector<TSubSum> sums;
  std::string_view current;
  TSubSum* open = nullptr;
  for (const TKeyedRow& row : keyed) {
    if (open == nullptr || row.Category != current) {
      current = row.Category;
      const std::string text(current);
      auto key = std::make_pair(MainCategoryOf(text), SubCategoryOf(text));
      const auto [at, added] = position.try_emplace(key, sums.size());
      if (added) sums.push_back({key.first, key.second, {}});
      open = &sums[at->second];
    }
    open->Spent.Subtract(AmountOf(*row.Row));
  }
  return sums;
}

bool TotalBefore(const TExpenseTotal& a, const TExpenseTotal& b) {
  if (a.Main != b.Main) return CategoryBefore(a.Main, b.Main);
  if (a.IsMain != b.IsMain) return a.IsMain;
  if (a.Amount != b.Amount) return a.Amount > b.Amount;
  return CompareIgnoringCase(a.Sub, b.Sub) < 0;
}

// Colours the main bar at `main` and the sub-category bars below it, the one
// next to the main bar first.
void ColourFamily(std::vector<TExpenseBar>& bars, std::size_t main, int paletteIndex) {
  bars[main].Color = PaletteColor(paletteIndex);
  std::size_t first = main;
  while (first > 0 && bars[first - 1].Kind == TExpenseBarKind::Sub) --first;
  const int count = static_cast<int>(main - first);
  for (int k = 0; k < count; ++k)
    bars[main - 1 - k].Color = GradientColor(count, PaletteColorBefore(paletteIndex),
                                             PaletteColorLightest(paletteIndex), k);
}

std::string FoldedCase(std::string_view text) {
  std::string folded(text);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

}  // namespace

// Rows are grouped by their exact Category text first, so that only the few
// distinct texts are compared, not every row with every other.
std::vector<const TTransactions*> CollectExpenses(const std::vector<const TAccount*>& accounts,
                                                  TDateTime from, TDateTime to) {
  const std::vector<const TTransactions*> rows =
      CollectTransactionsOfTypes(accounts, from, to, [](int type) { return type == ttExpense; });
  std::deque<std::string> converted;
  std::unordered_map<std::string_view, std::size_t> groupOf;
  std::vector<std::string_view> names;
  std::vector<std::vector<const TTransactions*>> groups;
  for (const TKeyedRow& row : KeyedRows(rows, converted)) {
    const auto [at, added] = groupOf.try_emplace(row.Category, names.size());
    if (added) {
      names.push_back(row.Category);
      groups.emplace_back();
    }
    groups[at->second].push_back(row.Row);
  }
  std::vector<std::size_t> order(names.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return CategoryBefore(names[a], names[b]); });
  std::vector<const TTransactions*> sorted;
  sorted.reserve(rows.size());
  for (std::size_t i : order) sorted.insert(sorted.end(), groups[i].begin(), groups[i].end());
  return sorted;
}

std::vector<TExpenseTotal> ExpenseTotals(const std::vector<const TTransactions*>& expenses) {
  std::vector<TExpenseTotal> totals;
  std::map<std::string, TMoneySum> mains;
  for (const TSubSum& sum : SubSums(expenses)) {
    const double spent = sum.Spent.ToDouble();
    if (!(spent > 0)) continue;  // refunds outweigh the spending: no bar
    totals.push_back({sum.Main, sum.Sub, spent, false});
    mains[sum.Main].Add(sum.Spent);
  }
  for (const auto& [main, spent] : mains) totals.push_back({main, "", spent.ToDouble(), true});
  std::sort(totals.begin(), totals.end(), TotalBefore);
  return totals;
}

std::vector<TExpenseBar> ExpenseBars(const std::vector<TExpenseTotal>& totals) {
  std::vector<TExpenseBar> bars;
  for (auto total = totals.rbegin(); total != totals.rend(); ++total) {
    if (!total->IsMain) {
      bars.push_back({TExpenseBarKind::Sub, total->Sub, total->Amount, 0});
      continue;
    }
    bars.push_back({TExpenseBarKind::Main, total->Main, total->Amount, 0});
    bars.push_back({TExpenseBarKind::Spacer, "", 0, 0});
  }
  int paletteIndex = kFirstPaletteIndex;
  for (std::size_t i = bars.size(); i-- > 0;) {
    if (bars[i].Kind != TExpenseBarKind::Main) continue;
    ColourFamily(bars, i, paletteIndex);
    paletteIndex = NextPaletteGroup(paletteIndex);
  }
  return bars;
}

std::vector<TExpenseBar> ExpenseBars(const std::vector<const TTransactions*>& expenses) {
  return ExpenseBars(ExpenseTotals(expenses));
}

double ExpenseBarsTotal(const std::vector<TExpenseBar>& bars) {
  double total = 0;
  for (const TExpenseBar& bar : bars)
    if (bar.Kind == TExpenseBarKind::Main) total += bar.Value;
  return total;
}

// The chart's own text for the point, label and share, loses a share that
// shows as 0 %; the others get the value after them.
std::string ExpenseBarMark(const TExpenseBar& bar, double total,
                           const TChartSeparators& separators) {
  if (bar.Kind == TExpenseBarKind::Spacer || !(total != 0)) return std::string();
  const std::string text =
      bar.Label + " " + FormatChartNumber(bar.Value / total * 100.0, "(##0.# %)", separators);
  if (text.find("(0 %)", 1) != std::string::npos) return std::string();
  return text + " " + FormatChartNumber(bar.Value, "###,###,###.00", separators);
}

std::vector<TExpenseLine> ExpenseLines(const std::vector<const TTransactions*>& expenses,
                                       TDateTime from, TDateTime to) {
  const TPeriod period = WholeMonths(from, to);
  int firstYear = 0, firstMonth = 0, lastYear = 0, lastMonth = 0, day = 0;
  DecodeDate(period.From, firstYear, firstMonth, day);
  DecodeDate(period.To, lastYear, lastMonth, day);
  const int first = firstYear * 12 + firstMonth - 1;
  const int months = std::max(0, lastYear * 12 + lastMonth - 1 - first + 1);

  std::deque<std::string> converted;
  const std::vector<TKeyedRow> keyed = KeyedRows(expenses, converted);
  std::unordered_map<std::string, std::size_t> lineOf;  // folded main category -> line
  std::vector<std::string> titles;
  std::vector<std::vector<TMoneySum>> sums;
  for (const TKeyedRow& row : keyed) {
    if (row.Row->GetTransactionType() != ttExpense) continue;
    const std::string_view main = MainCategoryPart(row.Category);
    const auto [at, added] = lineOf.try_emplace(FoldedCase(main), titles.size());
    if (added) {
      titles.emplace_back(main);
      sums.emplace_back(months);
    }
    int year = 0, month = 0, d = 0;
    row.Row->DecodedDate(year, month, d);
    const int index = year * 12 + month - 1 - first;
    if (index >= 0 && index < months) sums[at->second][index].Subtract(AmountOf(*row.Row));
  }

  std::vector<std::size_t> order(titles.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return CompareIgnoringCase(titles[a], titles[b]) < 0;
  });
  std::vector<TExpenseLine> lines;
  int paletteIndex = kFirstPaletteIndex;
  for (std::size_t i : order) {
    TExpenseLine line{titles[i], PaletteColor(paletteIndex), {}};
    for (int m = 0; m < months; ++m)
      line.Points.push_back(
          {ShortMonthYear((first + m) / 12, (first + m) % 12 + 1), sums[i][m].ToDouble()});
    lines.push_back(std::move(line));
    paletteIndex = NextPaletteGroup(paletteIndex);
  }
  return lines;
}

TChartData ExpenseBarsChart(const std::vector<TExpenseBar>& bars) {
  TChartSeries series{"Expenses", {}};
  for (const TExpenseBar& bar : bars) series.Points.push_back({bar.Label, bar.Value, bar.Color});
  return {"", {std::move(series)}};
}

TChartData ExpenseLinesChart(const std::vector<TExpenseLine>& lines) {
  TChartData chart;
  for (const TExpenseLine& line : lines) {
    TChartSeries series{line.Title, {}};
    for (const TExpenseLinePoint& point : line.Points)
      series.Points.push_back({point.Label, point.Value, line.Color});
    chart.Series.push_back(std::move(series));
  }
  return chart;
}

}  // namespace tf

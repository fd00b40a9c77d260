#include "budgets/BudgetExport.h"

#include <algorithm>

#include "base/NumberFormat.h"
#include "base/ReportTemplate.h"
#include "budgets/BudgetTotals.h"
#include "model/Budget.h"
#include "reports/ReportAmount.h"
#include "reports/ReportText.h"
#include "reports/RowColors.h"
#include "store/DateTime.h"

namespace tf {
namespace {

constexpr int kBudgetTemplate = 2;

std::string UpperAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// The extension with its dot, from the last dot of the last path part; empty
// when that part has none.
std::string ExtensionOf(const std::string& path) {
  const std::size_t dot = path.find_last_of("./\\:");
  return dot != std::string::npos && path[dot] == '.' ? path.substr(dot) : std::string();
}

std::vector<TBudget*> PageOrder(const std::vector<TBudget*>& lines) {
  std::vector<TBudget*> sorted = lines;
  std::stable_sort(sorted.begin(), sorted.end(), [](const TBudget* a, const TBudget* b) {
    return TBudget::CompareBudgets(a, b) < 0;
  });
  return sorted;
}

bool IsIncome(const TBudget& line) {
  return line.FieldAt(TBudget::fIncome)->AsBool();
}
std::string CategoryOf(const TBudget& line) {
  return line.FieldAt(TBudget::fCategoryName)->AsString();
}
TCurrency ActualOf(const TBudget& line) {
  return line.FieldAt(TBudget::fActual)->AsCurrency();
}
TCurrency BudgetedOf(const TBudget& line) {
  return line.FieldAt(TBudget::fMax)->AsCurrency();
}
// Remaining works on exact money values; its double is exact to far below a
// ten-thousandth, so the sign test below sees a true zero as zero.
TCurrency DifferenceOf(const TBudget& line) {
  return TCurrency::FromDouble(line.Remaining());
}

// "B" above 0, "R" below, nothing at 0: the blue, red or plain amount style.
std::string DifColor(TCurrency value) {
  if (value > TCurrency{}) return "B";
  return value < TCurrency{} ? "R" : "";
}

// A field between double quotes; a quote inside is doubled so that the
// field reads back as written.
std::string Quoted(const std::string& field) {
  return "\"" + ReplaceAll(field, "\"", "\"\"") + "\"";
}

std::string FillRow(const std::string& block, const TBudget& line, TNumberFormat& format,
                    TRowColors& colors) {
  const TCurrency difference = DifferenceOf(line);
  std::string row = FillToken("CAT", ReportText(CategoryOf(line)), block);
  row = FillToken("ACT", ReportText(format.FormatAmount(ActualOf(line))), row);
  row = FillToken("BUD", ReportText(format.FormatAmount(BudgetedOf(line))), row);
  row = FillToken("DIF", ReportText(format.FormatAmount(difference)), row);
  row = FillToken("ROWCOLOR", colors.Next(), row);
  return FillToken("DIFCOLOR", DifColor(difference), row);
}

std::string ReplaceFirst(const std::string& text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  if (at == std::string::npos) return text;
  return text.substr(0, at) + to + text.substr(at + from.size());
}

std::string FillSummary(std::string text, const TBudgetTotals& totals) {
  static const char* const kTokens[9] = {"ACTINC", "ACTEXP", "ACTBAL", "BUDINC", "BUDEXP",
                                         "BUDBAL", "DIFINC", "DIFEXP", "DIFBAL"};
  for (int i = 0; i < 9; ++i) {
    const TCurrency value = totals.Cell(i / 3, i % 3);
    text = FillToken(kTokens[i], ReportText(FormatReportAmount(value)), text);
    text = FillToken("DIFCOLOR" + std::to_string(i + 1), DifColor(value), text);
  }
  return text;
}

}  // namespace

std::string BudgetExportDefaultName(int year, int month) {
  return "Budget for " + std::string(ShortMonthName(month)) + " " + std::to_string(year);
}

std::string BudgetExportFileName(const std::string& chosen, TBudgetExportForm form) {
  const std::string wanted = form == TBudgetExportForm::Csv ? ".csv" : ".html";
  return UpperAscii(ExtensionOf(chosen)) == UpperAscii(wanted) ? chosen : chosen + wanted;
}

std::optional<TBudgetExportForm> BudgetExportFormOf(const std::string& path) {
  const std::string extension = UpperAscii(ExtensionOf(path));
  if (extension == ".CSV") return TBudgetExportForm::Csv;
  if (extension == ".HTM" || extension == ".HTML") return TBudgetExportForm::Html;
  return std::nullopt;
}

std::string BudgetCsv(const std::vector<TBudget*>& lines, TNumberFormat& format) {
  std::string text = "\"Type\",\"Category\",\"Actual\",\"Budgeted\",\"Difference\"\r\n";
  for (const TBudget* line : PageOrder(lines)) {
    text += Quoted(IsIncome(*line) ? "Income" : "Expense") + "," + Quoted(CategoryOf(*line)) + "," +
            Quoted(format.FormatAmount(ActualOf(*line))) + "," +
            Quoted(format.FormatAmount(BudgetedOf(*line))) + "," +
            Quoted(format.FormatAmount(DifferenceOf(*line))) + "\r\n";
  }
  return text;
}

std::string BudgetHtml(const std::vector<TBudget*>& lines, int year, int month,
                       TNumberFormat& format) {
  std::string text = LoadTemplate(kBudgetTemplate);
  text = FillToken("PERIOD", std::string(ShortMonthName(month)) + " " + std::to_string(year), text);
  // Both blocks are taken before either is removed: their texts are equal,
  // so removing the first would also remove the second.
  const std::string incomeBlock = ExtractBetween(text, RowBlockMarker(1), RowBlockMarker(1));
  const std::string expenseBlock = ExtractBetween(text, RowBlockMarker(2), RowBlockMarker(2));
  text = ReplaceAll(ReplaceAll(text, incomeBlock, ""), expenseBlock, "");
  std::string incomeRows, expenseRows;
  TRowColors colors;  // one toggle across both sections
  TBudgetTotals totals;
  for (const TBudget* line : PageOrder(lines)) {
    const bool income = IsIncome(*line);
    (income ? incomeRows : expenseRows) +=
        "\r\n" + FillRow(income ? incomeBlock : expenseBlock, *line, format, colors);
    totals.Add(*line);
  }
  text = ReplaceFirst(text, RowBlockMarker(1), incomeRows);
  text = ReplaceFirst(text, RowBlockMarker(2), expenseRows);
  return FillSummary(std::move(text), totals);
}

std::string BudgetDocument(TBudgetExportForm form, const std::vector<TBudget*>& lines, int year,
                           int month, TNumberFormat& format) {
  return form == TBudgetExportForm::Csv ? BudgetCsv(lines, format)
                                        : BudgetHtml(lines, year, month, format);
}

}  // namespace tf

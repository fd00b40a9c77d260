#include "reports/MonthlyReportText.h"

#include <algorithm>
#include <functional>

#include "base/NumberFormat.h"

namespace tf {
namespace {

constexpr const char* kIndent = "  ";
constexpr std::size_t kGap = 2;

TCurrency AsCurrency(const TMoneySum& sum) {
  return TCurrency::FromDouble(sum.ToDouble());
}

// Characters as the terminal shows them: UTF-8 continuation bytes take no room.
std::size_t Width(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string Padded(const std::string& text, std::size_t width, bool right) {
  const std::string fill(width - std::min(width, Width(text)), ' ');
  return right ? fill + text : text + fill;
}

// One line of the table before it is aligned: a label and its cells.
struct TTableLine {
  std::string Label;
  std::vector<std::string> Cells;  // none for a heading or a blank line
};

TTableLine AmountLine(const std::string& label, const TMonthlyRow& row, TNumberFormat& format) {
  TTableLine line{label, {}};
  for (const TMoneySum& amount : row.Amounts)
    line.Cells.push_back(format.FormatAmount(AsCurrency(amount)));
  line.Cells.push_back(format.FormatAmount(AsCurrency(row.Total)));
  return line;
}

void AppendSection(std::vector<TTableLine>& lines, const std::string& heading,
                   const TMonthlySection& section, TNumberFormat& format) {
  lines.push_back({"", {}});
  lines.push_back({heading, {}});
  for (const TMonthlyRow& row : section.Rows)
    lines.push_back(AmountLine(kIndent + row.Category, row, format));
  lines.push_back(AmountLine(section.Total.Category, section.Total, format));
}

std::string Aligned(const std::vector<TTableLine>& lines) {
  std::size_t labelWidth = 0;
  std::vector<std::size_t> widths;
  for (const TTableLine& line : lines) {
    if (line.Cells.empty()) continue;
    labelWidth = std::max(labelWidth, Width(line.Label));
    widths.resize(std::max(widths.size(), line.Cells.size()), 0);
    for (std::size_t c = 0; c < line.Cells.size(); ++c)
      widths[c] = std::max(widths[c], Width(line.Cells[c]));
  }
  std::string text;
  for (const TTableLine& line : lines) {
    if (line.Cells.empty()) {
      text += line.Label + '\n';
      continue;
    }
    text += Padded(line.Label, labelWidth, false);
    for (std::size_t c = 0; c < line.Cells.size(); ++c)
      text += std::string(kGap, ' ') + Padded(line.Cells[c], widths[c], true);
    text += '\n';
  }
  return text;
}

// In double quotes, inner quotes doubled, when the field holds a comma, a
// quote or a line break.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + '"';
}

std::string CsvLine(const TMonthlyRow& row) {
  std::string line = CsvField(row.Category);
  for (const TMoneySum& amount : row.Amounts) line += ',' + PlainAmount(amount);
  return line + ',' + PlainAmount(row.Total) + "\r\n";
}

}  // namespace

std::string MonthlyReportTable(const TMonthlyReport& report, TNumberFormat& format) {
  std::vector<TTableLine> lines;
  TTableLine heading{"Category", {}};
  for (const TReportMonth& month : report.Months) heading.Cells.push_back(month.Name());
  heading.Cells.push_back("Total");
  lines.push_back(heading);
  AppendSection(lines, "Income", report.Income, format);
  AppendSection(lines, "Expenses", report.Expenses, format);
  lines.push_back({"", {}});
  lines.push_back(AmountLine(report.Net.Category, report.Net, format));
  return Aligned(lines);
}

std::string MonthlyReportCsv(const TMonthlyReport& report) {
  std::string csv = "Category";
  for (const TReportMonth& month : report.Months) csv += ',' + month.Name();
  csv += ",Total\r\n";
  for (const TMonthlySection* section : {&report.Income, &report.Expenses}) {
    for (const TMonthlyRow& row : section->Rows) csv += CsvLine(row);
    csv += CsvLine(section->Total);
  }
  return csv + CsvLine(report.Net);
}

std::string PlainAmount(const TMoneySum& sum) {
  return CurrencyToText(AsCurrency(sum));
}

}  // namespace tf

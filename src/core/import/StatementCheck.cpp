#include "import/StatementCheck.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "import/StatementFile.h"
#include "import/StatementImport.h"
#include "import/StatementText.h"

namespace tf {
namespace {

// Where a layout reads a column: from 1, or counted from the end (-1 the last).
struct TCaptionColumn {
  std::string_view Caption;
  int Column;
};

struct TLayout {
  int Format;
  std::string_view Statement;  // how a refusal names the file the user meant
  std::vector<TCaptionColumn> Columns;
};

const std::vector<TLayout>& Layouts() {
  static const std::vector<TLayout> layouts = {
      {1, "an ABSA statement", {{"Date", 1}, {"Amount", -2}, {"Balance", -1}}},
      {2, "a Nedbank cheque account statement", {{"Date", 1}, {"Amount", -3}, {"Balance", -2}}},
      {3, "an FNB statement", {{"Date", 1}, {"Amount", 2}, {"Balance", 3}, {"Description", 4}}},
      {4, "a Standard Bank statement", {{"Date", 2}, {"Amount", 4}, {"Description", 6}}},
      {5, "an OFX statement", {}},
      {6, "an FNB advanced transaction history", {{"Date", 1}, {"Description", 3}, {"Amount", 6}}},
      {7,
       "a Tallyfold CSV export",
       {{"Date", 1},
        {"Type", 2},
        {"Description", 3},
        {"Category", 4},
        {"Amount", 6},
        {"Balance", 7}}},
  };
  return layouts;
}

constexpr std::string_view kCaptions[] = {"Date",        "Amount", "Balance",
                                          "Description", "Type",   "Category"};
// Headings are short; a caption line further down is no heading.
constexpr std::size_t kHeadingSearch = 20;

bool SameCaption(std::string_view a, std::string_view b) {
  return a.size() == b.size() && FindNoCase(a, b) == 0;
}

std::vector<std::string> CaptionFields(std::string_view line) {
  std::string rest = std::string(Trimmed(line));
  if (!rest.empty() && rest.back() == ',') rest.pop_back();
  std::vector<std::string> fields;
  while (!rest.empty())
    fields.push_back(std::string(Trimmed(RemoveAll(TCSVParser::TakeFirstField(rest), '"'))));
  return fields;
}

// The 1-based column holding `caption`, 0 when none does.
int ColumnOf(const std::vector<std::string>& fields, std::string_view caption) {
  const auto found = std::ranges::find_if(
      fields, [caption](const std::string& field) { return SameCaption(field, caption); });
  return found == fields.end() ? 0 : static_cast<int>(found - fields.begin()) + 1;
}

// A line naming the date column and at least one other: the file's own
// description of its columns.
std::vector<std::string> CaptionLine(const std::vector<std::string>& fileLines) {
  const std::size_t count = std::min(fileLines.size(), kHeadingSearch);
  for (std::size_t i = 0; i < count; ++i) {
    std::vector<std::string> fields = CaptionFields(fileLines[i]);
    const auto named = std::ranges::count_if(
        kCaptions, [&fields](std::string_view caption) { return ColumnOf(fields, caption) != 0; });
    if (ColumnOf(fields, "Date") != 0 && named >= 2) return fields;
  }
  return {};
}

std::string HeadingMismatch(const TLayout& layout, const std::vector<std::string>& fileLines) {
  const std::vector<std::string> fields = CaptionLine(fileLines);
  const int width = static_cast<int>(fields.size());
  for (const TCaptionColumn& column : layout.Columns) {
    const int found = ColumnOf(fields, column.Caption);
    const int expected = column.Column > 0 ? column.Column : width + 1 + column.Column;
    if (found != 0 && found != expected) {
      return "its heading puts \"" + std::string(column.Caption) + "\" in column " +
             std::to_string(found) + ", not column " + std::to_string(expected);
    }
  }
  return {};
}

std::string RowsMismatch(const std::vector<TCSVLineData>& rows) {
  const auto dated = [](const TCSVLineData& row) { return row.Date != 0; };
  if (std::ranges::none_of(rows, dated)) return "no line holds a date";
  const auto datedWithAmount = [](const TCSVLineData& row) {
    return row.Date != 0 && row.Amount != TCurrency{};
  };
  if (std::ranges::none_of(rows, datedWithAmount)) return "no dated line holds an amount";
  return {};
}

std::string Entries(int count) {
  return std::to_string(count) + (count == 1 ? " entry" : " entries") + " left out: ";
}

}  // namespace

std::string LayoutMismatch(int format, const std::vector<std::string>& fileLines,
                           const std::vector<TCSVLineData>& rows) {
  const auto layout =
      std::ranges::find_if(Layouts(), [format](const TLayout& l) { return l.Format == format; });
  if (layout == Layouts().end()) return {};
  std::string why = RowsMismatch(rows);
  if (why.empty()) why = HeadingMismatch(*layout, fileLines);
  if (why.empty()) return {};
  return "This file does not look like " + std::string(layout->Statement) + ": " + why;
}

std::string StatementKindName(int format) {
  const auto layout =
      std::ranges::find_if(Layouts(), [format](const TLayout& l) { return l.Format == format; });
  return layout == Layouts().end() ? std::string() : std::string(layout->Statement);
}

std::string LeftOutMessage(const TLeftOutEntries& leftOut) {
  std::string message;
  if (leftOut.NoDate > 0) message = Entries(leftOut.NoDate) + "no valid date";
  if (leftOut.NoAmount > 0) {
    if (!message.empty()) message += "; ";
    message += Entries(leftOut.NoAmount) + "no amount";
  }
  return message;
}

std::string LoadCheckedStatement(TCSVParser& parser, int format, const std::string& fileName) {
  const std::vector<std::string> lines = ReadStatementLines(fileName);
  parser.LoadLines(lines);
  if (parser.Lines.empty()) {
    const std::string leftOut = LeftOutMessage(parser.LeftOut);
    return leftOut.empty() ? kEmptyStatementMessage : kEmptyStatementMessage + ("\n" + leftOut);
  }
  return LayoutMismatch(format, lines, parser.Lines);
}

}  // namespace tf

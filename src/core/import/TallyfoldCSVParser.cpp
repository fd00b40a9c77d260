#include "import/TallyfoldCSVParser.h"

#include "base/Formats.h"
#include "import/StatementText.h"

namespace tf {
namespace {

// The quote that closes the field opened at 0. Inner quotes come doubled,
// so the closing one ends a run of an odd number of quotes before a comma
// or the line's end. Older exports did not double them: failing an odd run,
// the first quote before a comma or the end closes the field.
std::size_t ClosingQuote(const std::string& line) {
  std::size_t fallback = std::string::npos;
  for (std::size_t i = 1; i < line.size();) {
    if (line[i] != '"') {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < line.size() && line[end] == '"') ++end;
    if (end == line.size() || line[end] == ',') {
      if ((end - i) % 2 == 1) return end - 1;
      if (fallback == std::string::npos) fallback = end - 1;
    }
    i = end;
  }
  return fallback;
}

std::string UndoubleQuotes(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    result += text[i];
    if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"') ++i;
  }
  return result;
}

TCurrency AmountOr0(const std::string& text) {
  TCurrency value;
  return TryTextToCurrency(text, value) ? value : TCurrency{};
}

}  // namespace

void TTallyfoldCSVParser::ParseLine(const std::string& text, TCSVLineData& row) {
  std::string line = std::string(Trimmed(text));
  row.Duplicate = false;
  row.RawLine = line;
  row.DateText = TakeQuotedField(line);
  row.TypeText = TakeQuotedField(line);
  row.Description = TakeQuotedField(line);
  row.MainCategoryText = TakeQuotedField(line);
  row.SubCategoryText = TakeQuotedField(line);
  row.AmountText = TakeQuotedField(line);
  // The balance is the rest of the line, as one field when it is quoted.
  row.BalanceText = !line.empty() && line.front() == '"' ? TakeQuotedField(line) : line;
  row.Amount = AmountOr0(row.AmountText);
  row.Balance = AmountOr0(row.BalanceText);
  row.Date = row.DateText.size() == 11 ? ParseStatementDate(row.DateText) : 0;
  row.Description = CollapseBlanks(row.Description);
}

std::string TTallyfoldCSVParser::TakeQuotedField(std::string& line) {
  if (line.empty() || line.front() != '"') return TakeFirstField(line);
  const std::size_t closing = ClosingQuote(line);
  if (closing == std::string::npos) return RemoveAll(TakeFirstField(line), '"');
  std::string field = UndoubleQuotes(std::string_view(line).substr(1, closing - 1));
  line.erase(0, closing + 2 <= line.size() ? closing + 2 : line.size());
  return field;
}

}  // namespace tf

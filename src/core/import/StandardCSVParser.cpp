#include "import/StandardCSVParser.h"

#include "import/StatementText.h"

namespace tf {

std::string TStandardCSVParser::FilterLine(const std::string& line, int index) {
  return SkipHeadingLines(line, index, 4);
}

void TStandardCSVParser::ParseLine(const std::string& text, TCSVLineData& row) {
  std::string line = BeginLine(text, row);
  TakeFirstField(line);
  row.DateText = TakeFirstField(line);
  TakeFirstField(line);
  row.AmountText = TakeFirstField(line);
  const std::string reference = TakeFirstField(line);
  row.BalanceText.clear();
  row.Description = DescribeWithReference(TakeFirstField(line), reference);
  ClearValues(row);
  if (!IsBlankText(row.DateText)) {
    if (row.DateText.size() == 8) {
      row.DateText = RemoveAll(row.DateText, '/');
      ConvertDateYYYYMMDD(row);
    }
    ConvertAmount(row);
  }
  row.Description = CollapseBlanks(row.Description);
}

void TStandardCSVParser::LoadLines(const std::vector<std::string>& lines) {
  const std::size_t before = Lines.size();
  TCSVParser::LoadLines(lines);
  if (Lines.size() > before) Lines.pop_back();
}

std::string TStandardCSVParser::DescribeWithReference(const std::string& description,
                                                      const std::string& reference) {
  std::string result = description;
  if (!result.empty() && result.front() == '"') result = RemoveAll(result, '"');
  // A bare number says nothing to the user; the reference names the payment.
  if (WholeNumberOr0(result) > 0) {
    const std::string named = std::string(Trimmed(RemoveAll(reference, '"')));
    if (!named.empty()) result = named + " (" + result + ")";
  }
  return result;
}

}  // namespace tf

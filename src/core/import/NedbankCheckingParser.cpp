#include "import/NedbankCheckingParser.h"

#include "base/Formats.h"
#include "import/StatementText.h"

namespace tf {

std::string TNedbankCheckingParser::FilterLine(const std::string& line, int index) {
  return SkipHeadingLines(line, index, 4);
}

void TNedbankCheckingParser::ParseLine(const std::string& text, TCSVLineData& row) {
  std::string line = BeginLine(text, row);
  row.DateText = TakeFirstField(line);
  TakeLastField(line);  // the final column carries nothing the import uses
  row.BalanceText = TakeLastField(line);
  row.AmountText = TakeLastField(line);
  row.Description = line;
  ClearValues(row);
  if (!IsBlankText(row.DateText)) {
    ConvertNedbankDate(row);
    ConvertAmount(row);
    ConvertBalance(row);
  }
  row.Description = CollapseBlanks(row.Description);
}

void TNedbankCheckingParser::ConvertNedbankDate(TCSVLineData& row) {
  std::string date = row.DateText;
  if (date.size() == 8) date.insert(0, "0");  // a one-digit day
  if (date.size() != 9) return;
  date.insert(2, " ");
  date.insert(6, " ");
  row.Date = ParseStatementDate(date);
  if (row.Date != 0) row.DateText = FormatDayMonthYear(row.Date);
}

}  // namespace tf

#include "import/FNBCSVParser.h"

#include "import/StatementText.h"

namespace tf {

std::string TFNBCSVParser::FilterLine(const std::string& line, int index) {
  return SkipHeadingLines(line, index, 7);
}

void TFNBCSVParser::ParseLine(const std::string& text, TCSVLineData& row) {
  std::string line = BeginLine(text, row);
  row.DateText = TakeFirstField(line);
  row.AmountText = TakeFirstField(line);
  row.BalanceText = TakeFirstField(line);
  row.Description = line;
  ClearValues(row);
  if (!IsBlankText(row.DateText)) {
    if (row.DateText.size() == 10) {
      row.DateText = RemoveAll(row.DateText, '/');
      ConvertDateYYYYMMDD(row);
    }
    ConvertAmount(row);
    ConvertBalance(row);
  }
  row.Description = CollapseBlanks(row.Description);
}

}  // namespace tf

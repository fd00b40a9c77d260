#include "import/FNBAdvancedCSVParser.h"

#include "import/StatementText.h"

namespace tf {

std::string TFNBAdvancedCSVParser::FilterLine(const std::string& line, int index) {
  return SkipHeadingLines(line, index, 8);
}

void TFNBAdvancedCSVParser::ParseLine(const std::string& text, TCSVLineData& row) {
  std::string line = BeginLine(text, row);
  row.DateText = std::string(Trimmed(TakeFirstField(line)));
  TakeFirstField(line);
  row.Description = TakeFirstField(line);
  TakeFirstField(line);
  TakeFirstField(line);
  row.AmountText = TakeFirstField(line);
  row.BalanceText.clear();
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

}  // namespace tf

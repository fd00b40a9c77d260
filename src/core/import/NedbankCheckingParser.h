// Nedbank cheque account statements: four heading lines; date written as day,
// month name and year without separators (1Jan2008); a last column unused.
#pragma once

#include "import/CSVParser.h"

namespace tf {

class TNedbankCheckingParser : public TCSVParser {
 public:
  std::string FilterLine(const std::string& line, int index) override;
  void ParseLine(const std::string& text, TCSVLineData& row) override;

 private:
  static void ConvertNedbankDate(TCSVLineData& row);
};

}  // namespace tf

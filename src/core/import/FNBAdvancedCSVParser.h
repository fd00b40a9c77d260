// FNB advanced transaction history: eight heading lines, then date,
// description and amount at fixed columns; no balance.
#pragma once

#include "import/CSVParser.h"

namespace tf {

class TFNBAdvancedCSVParser : public TCSVParser {
 public:
  std::string FilterLine(const std::string& line, int index) override;
  void ParseLine(const std::string& text, TCSVLineData& row) override;
};

}  // namespace tf

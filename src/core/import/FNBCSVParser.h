// FNB statements: seven heading lines, then date (yyyy/mm/dd), amount,
// balance and the description, which may hold commas.
#pragma once

#include "import/CSVParser.h"

namespace tf {

class TFNBCSVParser : public TCSVParser {
 public:
  std::string FilterLine(const std::string& line, int index) override;
  void ParseLine(const std::string& text, TCSVLineData& row) override;
};

}  // namespace tf

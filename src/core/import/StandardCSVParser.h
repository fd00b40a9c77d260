// Standard Bank statements: four heading lines and a closing line; a numeric
// description is shown with the payment reference in front of it.
#pragma once

#include "import/CSVParser.h"

namespace tf {

class TStandardCSVParser : public TCSVParser {
 public:
  std::string FilterLine(const std::string& line, int index) override;
  void ParseLine(const std::string& text, TCSVLineData& row) override;
  // The shared reading, then the closing line's row is dropped.
  void LoadLines(const std::vector<std::string>& lines) override;

 private:
  static std::string DescribeWithReference(const std::string& description,
                                           const std::string& reference);
};

}  // namespace tf

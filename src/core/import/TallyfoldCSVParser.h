// The program's own CSV layout, as the transaction export writes it: a
// heading line, then date, type, description, category, sub category,
// amount and balance, each in double quotes.
#pragma once

#include "import/CSVParser.h"

namespace tf {

class TTallyfoldCSVParser : public TCSVParser {
 public:
  void ParseLine(const std::string& text, TCSVLineData& row) override;

  // Cuts one field off the front. A field opening with a double quote runs
  // to the quote that stands before a comma or the line's end (not one of a
  // doubled pair), so commas inside stay and a doubled quote is one quote;
  // without such a closing quote it ends at the next comma and loses its quotes.
  static std::string TakeQuotedField(std::string& line);
};

}  // namespace tf

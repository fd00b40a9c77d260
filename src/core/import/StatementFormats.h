// The seven statement formats in the order of the import's file dialog, and
// the factory that makes the parser for the format the user chose.
#pragma once

#include <memory>
#include <span>
#include <string>

#include "import/CSVParser.h"

namespace tf {

struct TStatementFormat {
  int Number;           // the file dialog's type index, from 1
  const char* Name;     // the dialog's text for the type
  const char* Pattern;  // the file pattern, such as "*.csv"
};

std::span<const TStatementFormat> StatementFormats();

// "Name (pattern)", the form a file dialog's type list shows.
std::string StatementFormatFilter(const TStatementFormat& format);

// A new parser for formats 1 to 7; nullptr for any other number.
std::unique_ptr<TCSVParser> CreateStatementParser(int format);

}  // namespace tf

// Reads arbitrary bytes as an OFX statement: every input must end in rows or
// in one statement error, never in a crash, a hang or a huge allocation.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "import/OFXParser.h"
#include "import/StatementFileError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tf::TOFXParser parser;
  try {
    parser.LoadStatementBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const tf::TStatementFileError&) {
  }
  return 0;
}

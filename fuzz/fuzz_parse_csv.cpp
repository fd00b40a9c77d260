// Reads arbitrary bytes as a CSV statement of one of the six CSV layouts,
// chosen by the first byte: every input must end in rows or in one statement
// error, never in a crash, a hang or a huge allocation.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "import/CSVParser.h"
#include "import/StatementFileError.h"
#include "import/StatementFormats.h"

namespace {

// Every statement format but OFX (5), which has a target of its own.
constexpr std::array<int, 6> kCsvFormats = {1, 2, 3, 4, 6, 7};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::unique_ptr<tf::TCSVParser> parser =
      tf::CreateStatementParser(kCsvFormats[data[0] % kCsvFormats.size()]);
  try {
    parser->LoadStatementBytes(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  } catch (const tf::TStatementFileError&) {
  }
  return 0;
}

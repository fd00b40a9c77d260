// Tells the layout of arbitrary bytes taken as a statement file: every input
// must end in a layout, no guess or one statement error, never in a crash, a
// hang or a huge allocation.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "import/StatementFile.h"
#include "import/StatementFileError.h"
#include "import/StatementRecognition.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto found = tf::RecogniseStatementFormat(tf::StatementBytesToLines(bytes, "fuzz"));
    if (found && (found->Format < 1 || found->Format > 7)) __builtin_trap();
  } catch (const tf::TStatementFileError&) {
  }
  return 0;
}

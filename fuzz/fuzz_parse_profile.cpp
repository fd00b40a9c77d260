// Reads arbitrary bytes as a bank's CSV statement through a column mapping:
// the one guessed from the file, and one made from the first bytes. Every
// input must end in rows (or rows left out with a reason) or in one statement
// error, never in a crash, a hang or a huge allocation.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "import/ProfileCSVParser.h"
#include "import/StatementFile.h"
#include "import/StatementFileError.h"

namespace {

// Separator, date order, amount kind, decimal and columns from four bytes.
tf::TCsvProfile ProfileFromBytes(const std::uint8_t* b) {
  tf::TCsvProfile p;
  p.Name = "Fuzz";
  p.Separator = ",;\t"[b[0] % 3];
  p.DateOrder = static_cast<tf::TDateOrder>(b[0] / 3 % 3);
  p.DecimalSeparator = b[0] & 0x80 ? ',' : '.';
  p.SkipLines = b[1] % 4;
  p.DateColumn = 1 + b[2] % 6;
  if (b[3] & 1) {
    p.AmountColumn = 0;
    p.InColumn = 1 + (b[3] >> 1) % 6;
    p.OutColumn = 1 + (b[3] >> 4) % 6;
  } else {
    p.AmountColumn = 1 + (b[3] >> 1) % 6;
  }
  p.DescriptionColumns = {1 + b[1] / 4 % 6, 1 + b[2] / 6 % 6};
  p.BalanceColumn = b[1] / 64;
  return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  try {
    const std::vector<std::string> lines = tf::StatementBytesToLines(
        std::string_view(reinterpret_cast<const char*>(data) + 4, size - 4), "fuzz");
    for (const tf::TCsvProfile& profile : {tf::GuessProfile(lines), ProfileFromBytes(data)}) {
      tf::ProfileFits(profile, lines);
      tf::TProfileCSVParser parser(profile);
      parser.LoadLines(lines);
    }
  } catch (const tf::TStatementFileError&) {
  }
  return 0;
}

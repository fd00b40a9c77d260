#include "workspace/ExportProposal.h"

#include <string_view>

#include "base/Formats.h"

namespace tf {

std::string ExportProposedName(const std::string& account, const TDateRange& range,
                               bool ignoreDates) {
  std::string stem;
  for (const char c : account) {
    const bool unsafe = std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos ||
                        static_cast<unsigned char>(c) < 0x20;
    stem += unsafe ? '-' : c;
  }
  if (stem.empty()) stem = "Transactions";
  stem += ignoreDates ? std::string(" all dates")
                      : " " + FormatDisplayDate(range.From) + " to " + FormatDisplayDate(range.To);
  return stem + ".csv";
}

std::string ExportedMessage(int count, const std::string& path) {
  return std::to_string(count) + (count == 1 ? " transaction" : " transactions") + " exported to " +
         path + ".";
}

}  // namespace tf

#include "import/StatementFormats.h"

#include <array>

#include "import/ABSACSVParser.h"
#include "import/FNBAdvancedCSVParser.h"
#include "import/FNBCSVParser.h"
#include "import/NedbankCheckingParser.h"
#include "import/OFXParser.h"
#include "import/StandardCSVParser.h"
#include "import/TallyfoldCSVParser.h"

namespace tf {
namespace {

constexpr std::array<TStatementFormat, 7> kFormats = {{
    {1, "ABSA Statements CSV", "*.csv"},
    {2, "Nedbank Checking Statements CSV", "*.csv"},
    {3, "FNB Statements CSV", "*.csv"},
    {4, "Standard Bank Statements CSV", "*.csv"},
    {5, "OFX Format (Open Financial Exchange)", "*.ofx"},
    {6, "FNB Advanced Transaction History CSV", "*.csv"},
    {7, "Tallyfold Standard (Use export to get sample)", "*.csv"},
}};

}  // namespace

std::span<const TStatementFormat> StatementFormats() {
  return kFormats;
}

std::string StatementFormatFilter(const TStatementFormat& format) {
  return std::string(format.Name) + " (" + format.Pattern + ")";
}

std::unique_ptr<TCSVParser> CreateStatementParser(int format) {
  switch (format) {
    case 1:
      return std::make_unique<TABSACSVParser>();
    case 2:
      return std::make_unique<TNedbankCheckingParser>();
    case 3:
      return std::make_unique<TFNBCSVParser>();
    case 4:
      return std::make_unique<TStandardCSVParser>();
    case 5:
      return std::make_unique<TOFXParser>();
    case 6:
      return std::make_unique<TFNBAdvancedCSVParser>();
    case 7:
      return std::make_unique<TTallyfoldCSVParser>();
    default:
      return nullptr;
  }
}

}  // namespace tf

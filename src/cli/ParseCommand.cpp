// parse: the rows a statement parser reads from a file, shown without any
// data file, to check a bank's file before importing it.
#include <iostream>
#include <memory>

#include "CliCommand.h"
#include "CliData.h"
#include "CliOptions.h"
#include "StatementFormatChoice.h"
#include "import/CSVParser.h"
#include "import/StatementCheck.h"
#include "import/StatementFormats.h"
#include "store/Currency.h"
#include "store/Variant.h"

namespace tf::cli {
namespace {

std::string ParseUsage() {
  std::string usage = "usage: tallyfold-cli parse --format N|auto STATEMENT\nstatement formats:\n";
  for (const TStatementFormat& format : StatementFormats())
    usage += "  " + std::to_string(format.Number) + "  " + StatementFormatFilter(format) + "\n";
  return usage;
}

int FormatNumber(const std::string& text) {
  if (IsAutoFormat(text)) return kAutoFormat;
  std::int32_t format = 0;
  if (!TryTextToInt32(text, format) || !CreateStatementParser(format))
    throw ECliValue("\"--format\" must be a statement format from 1 to 7, not \"" + text + "\"");
  return format;
}

// The date as the import stores it, the amounts as plain numbers, so that
// a script can compare them without knowing the number format.
void PrintRow(const TCSVLineData& row) {
  std::cout << TabLine({row.Date == 0 ? std::string() : FormatDayMonthYear(row.Date),
                        row.Description, CurrencyToText(row.Amount), CurrencyToText(row.Balance),
                        row.RawLine});
}

}  // namespace

int ParseCommand(const TArgs& args) {
  const std::string usage = ParseUsage();
  return RunGuarded(usage, [&] {
    const TOptions options = ParseOptions(args, {"--format"});
    int format = FormatNumber(Required(options, "--format"));
    if (options.Positional.size() != 1) throw ECliUsage("name one statement file");
    format = ResolveStatementFormat(format, options.Positional[0]);
    const std::unique_ptr<TCSVParser> parser = CreateStatementParser(format);
    const std::string refusal = LoadCheckedStatement(*parser, format, options.Positional[0]);
    for (const TCSVLineData& row : parser->Lines) PrintRow(row);
    // The rows above show what the layout made of the file; the import refuses it.
    if (!refusal.empty()) throw std::runtime_error(refusal);
    const std::string leftOut = LeftOutMessage(parser->LeftOut);
    if (!leftOut.empty()) std::cerr << leftOut << '\n';
  });
}

}  // namespace tf::cli

// parse: the rows a statement parser reads from a file, shown without any
// data file, to check a bank's file before importing it.
#include <iostream>
#include <memory>

#include "CliCommand.h"
#include "CliData.h"
#include "CliOptions.h"
#include "import/CSVParser.h"
#include "import/StatementFormats.h"
#include "store/Currency.h"
#include "store/Variant.h"

namespace tf::cli {
namespace {

std::string ParseUsage() {
  std::string usage = "usage: tallyfold-cli parse --format N STATEMENT\nstatement formats:\n";
  for (const TStatementFormat& format : StatementFormats())
    usage += "  " + std::to_string(format.Number) + "  " + StatementFormatFilter(format) + "\n";
  return usage;
}

std::unique_ptr<TCSVParser> ParserFor(const std::string& text) {
  std::int32_t format = 0;
  std::unique_ptr<TCSVParser> parser =
      TryTextToInt32(text, format) ? CreateStatementParser(format) : nullptr;
  if (!parser)
    throw ECliValue("\"--format\" must be a statement format from 1 to 7, not \"" + text + "\"");
  return parser;
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
    const std::string& format = Required(options, "--format");
    if (options.Positional.size() != 1) throw ECliUsage("name one statement file");
    const std::unique_ptr<TCSVParser> parser = ParserFor(format);
    parser->LoadStatement(options.Positional[0]);
    for (const TCSVLineData& row : parser->Lines) PrintRow(row);
  });
}

}  // namespace tf::cli

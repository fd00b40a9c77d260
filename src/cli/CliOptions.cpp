#include "CliOptions.h"

#include <cmath>

#include "CliData.h"
#include "base/Formats.h"
#include "store/Variant.h"

namespace tf::cli {

const std::string* TOptions::Find(const std::string& name) const {
  const auto found = Values.find(name);
  return found == Values.end() ? nullptr : &found->second;
}

TOptions ParseOptions(const TArgs& args, const std::set<std::string>& valueNames,
                      const std::set<std::string>& flagNames) {
  TOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.rfind("--", 0) != 0) {
      options.Positional.push_back(arg);
    } else if (flagNames.count(arg) != 0) {
      if (!options.Flags.insert(arg).second) throw ECliUsage("\"" + arg + "\" is given twice");
    } else if (valueNames.count(arg) == 0) {
      throw ECliUsage("unknown option \"" + arg + "\"");
    } else if (i + 1 == args.size()) {
      throw ECliUsage("\"" + arg + "\" needs a value");
    } else if (!options.Values.emplace(arg, args[++i]).second) {
      throw ECliUsage("\"" + arg + "\" is given twice");
    }
  }
  return options;
}

const std::string& Required(const TOptions& options, const std::string& name) {
  const std::string* value = options.Find(name);
  if (value == nullptr) throw ECliUsage("\"" + name + "\" is missing");
  return *value;
}

std::optional<TDateTime> ParseDayText(const std::string& text) {
  const TDateTime date = ParseTypedDate(text);
  if (date == 0) return std::nullopt;
  return date;
}

std::optional<std::pair<int, int>> ParseMonthText(const std::string& text) {
  const bool shaped =
      text.size() == 8 && text[3] == ' ' && MonthFromShortName(text.substr(0, 3)) != 0;
  const TDateTime date = shaped ? ParseStatementDate("01 " + text) : 0;
  if (date == 0) return std::nullopt;
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  return std::pair(year, month);
}

TDateTime DayValue(const std::string& name, const std::string& text) {
  const std::optional<TDateTime> day = ParseDayText(text);
  if (!day)
    throw ECliValue("\"" + name + "\" must be a date like 01 Jan 2024, not \"" + text + "\"");
  return *day;
}

double NumberValue(const std::string& name, const std::string& text) {
  double value = 0;
  if (!TryTextToDouble(text, value) || !std::isfinite(value))
    throw ECliValue("\"" + name + "\" must be a number like 10000 or 12.5, not \"" + text + "\"");
  return value;
}

int WholeNumberValue(const std::string& name, const std::string& text) {
  std::int32_t value = 0;
  if (!TryTextToInt32(text, value))
    throw ECliValue("\"" + name + "\" must be a whole number, not \"" + text + "\"");
  return value;
}

std::string TabLine(std::initializer_list<std::string> fields) {
  std::string line;
  for (const std::string& field : fields) {
    if (&field != fields.begin()) line += '\t';
    for (const char c : field) line += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
  }
  return line + '\n';
}

}  // namespace tf::cli

// The pieces the commands share to read their arguments: "--name value"
// options and flags, the day and number values they carry, and the
// tab-separated lines the listing commands print.
#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "CliCommand.h"
#include "store/DateTime.h"

namespace tf::cli {

// A value the command cannot work with, such as a date or a number that is
// none; unlike a usage mistake it ends with exit status 1.
class ECliValue : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "--name value" options, "--name" flags and the remaining arguments, in order.
struct TOptions {
  std::map<std::string, std::string> Values;
  std::set<std::string> Flags;
  std::vector<std::string> Positional;

  const std::string* Find(const std::string& name) const;
  bool Has(const std::string& flag) const { return Flags.count(flag) != 0; }
};

// ECliUsage for an option outside both lists, one without its value, or
// one given twice.
TOptions ParseOptions(const TArgs& args, const std::set<std::string>& valueNames,
                      const std::set<std::string>& flagNames = {});

// The option's value; ECliUsage when it is missing.
const std::string& Required(const TOptions& options, const std::string& name);

// "DD MMM YYYY" with an English month name, as the program shows dates, or
// with a one-digit day and the name in any letter case ("7 dec 2026"); no
// value for anything else.
std::optional<TDateTime> ParseDayText(const std::string& text);

// "MMM YYYY" with an English month name, for example Mar 2026, as year and
// month; no value for anything else.
std::optional<std::pair<int, int>> ParseMonthText(const std::string& text);

// The option's day; ECliValue naming the option when the text is none.
TDateTime DayValue(const std::string& name, const std::string& text);
// A plain decimal number such as 10000, 12.5 or -3; ECliValue otherwise.
double NumberValue(const std::string& name, const std::string& text);
// A whole number; ECliValue otherwise.
int WholeNumberValue(const std::string& name, const std::string& text);

// The fields joined by tabs and ended by a line break. A tab or line break
// inside a field becomes a blank, so every line keeps its columns.
std::string TabLine(std::initializer_list<std::string> fields);

}  // namespace tf::cli

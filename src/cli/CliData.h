// The data file for the commands that work on it: "--data FILE" names it (the
// default is the program's own, documents folder/Tallyfold/data.tfold) and
// "--password TEXT" opens a file that has a password.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "CliCommand.h"

namespace tf::cli {

inline constexpr const char* kDataOptionsUsage = "[--data FILE] [--password TEXT]";

// A mistake in the command line itself; the command shows its usage.
class ECliUsage : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

struct TDataOptions {
  std::optional<std::string> DataFile;  // no value: the default data file
  std::optional<std::string> Password;
};

// Takes "--data FILE" and "--password TEXT" out of args, leaving the rest in
// order. ECliUsage when an option lacks its value or is given twice.
TDataOptions TakeDataOptions(TArgs& args);

// Reads the data file into Global() as the program does at start-up:
// password check, categories, balances. Raises an error naming the file when
// it is missing, damaged, or protected by a password that was not given.
// Nothing is ever written back.
void OpenDataFile(const TDataOptions& options);

}  // namespace tf::cli

// The data file for the commands that work on it: "--data FILE" names it (the
// default is the program's own, documents folder/Tallyfold/data.tfold); a
// file with a password opens with "--password-file FILE", "--password TEXT",
// or the password typed at the terminal or piped to stdin.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include "CliCommand.h"

namespace tf {
class TAccount;
class TGlobal;
}  // namespace tf

namespace tf::cli {

inline constexpr const char* kDataOptionsUsage =
    "[--data FILE] [--password-file FILE | --password TEXT]";

// A mistake in the command line itself; the command shows its usage.
class ECliUsage : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// The data file has a password and the one given does not open it, or none
// was given; the command ends with exit status 2.
class EWrongPassword : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TDataOptions {
  std::optional<std::string> DataFile;  // no value: the default data file
  std::optional<std::string> Password;
  std::optional<std::string> PasswordFile;
};

// Takes "--data FILE", "--password TEXT" and "--password-file FILE" out of
// args, leaving the rest in order. ECliUsage when an option lacks its value,
// is given twice, or both password options are given.
TDataOptions TakeDataOptions(TArgs& args);

// Reads the data file into Global() as the program does at start-up:
// password check, categories, balances. The password is asked only when the
// file has one. EWrongPassword when it does not open the file; other errors
// name the file when it is missing or damaged, or the password file that
// cannot be read. Nothing is written here. The context that holds the data.
TGlobal& OpenDataFile(const TDataOptions& options);

// For commands that only read: the data file read into Global() after the
// same password check, without the balances or the file counting as opened
// (so nothing can be saved). The tree read.
const TAccount& ReadDataFile(const TDataOptions& options);

// As OpenDataFile for a command that changes the data file: its lock is
// taken first, in the name of "tallyfold-cli <command>", so a file another
// process may write is refused (EFileLocked, exit status 3) before anything
// is read or changed. The context that holds the data.
TGlobal& OpenDataFileForWriting(const TDataOptions& options, const std::string& command);

// Saves the data file; a failure says that `whatWasLost` ("Nothing was
// imported") and that the file is as it was.
void SaveDataFile(const std::string& whatWasLost);

// Runs a command's body: ECliUsage prints the message and `usage` and gives
// 2, EWrongPassword its message and 2, a data file held by another process
// (EFileLocked) its message and 3, any other error its message and 1.
// 0 when the body ends and everything reached stdout.
int RunGuarded(const std::string& usage, const std::function<void()>& body);

}  // namespace tf::cli

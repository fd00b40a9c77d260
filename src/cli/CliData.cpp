#include "CliData.h"

#include <cstdlib>
#include <filesystem>

#include "app/Global.h"

#ifdef TALLYFOLD_CLI_PLATFORM
#include "platform/DocumentsFolder.h"
#endif

namespace tf::cli {
namespace {

// Moves the value of `name` out of args into `value`.
bool TakeOption(TArgs& args, std::size_t at, const char* name, std::optional<std::string>& value) {
  if (args[at] != name) return false;
  if (at + 1 == args.size()) throw ECliUsage(std::string(name) + " needs a value");
  if (value) throw ECliUsage(std::string(name) + " is given twice");
  value = args[at + 1];
  args.erase(args.begin() + static_cast<std::ptrdiff_t>(at),
             args.begin() + static_cast<std::ptrdiff_t>(at + 2));
  return true;
}

std::optional<std::string> DocumentsFolder() {
#ifdef TALLYFOLD_CLI_PLATFORM
  const std::string documents = UserDocumentsFolder();
  if (!documents.empty()) return documents;
#endif
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') return std::nullopt;
  return std::string(home) + "/Documents";
}

// The context on the command line: preferences in memory, so that amounts
// look the same on every machine, and the password from the option.
TGlobalServices CliServices(const TDataOptions& options) {
  TGlobalServices services;
  if (!options.DataFile) services.DocumentsFolder = DocumentsFolder;
  const std::optional<std::string> password = options.Password;
  services.PasswordPrompt = [password](const std::string&) { return password; };
  return services;
}

}  // namespace

TDataOptions TakeDataOptions(TArgs& args) {
  TDataOptions options;
  for (std::size_t i = 0; i < args.size();) {
    if (!TakeOption(args, i, "--data", options.DataFile) &&
        !TakeOption(args, i, "--password", options.Password))
      ++i;
  }
  return options;
}

void OpenDataFile(const TDataOptions& options) {
  TGlobal& global = Global();
  global.Initialise(CliServices(options));
  if (options.DataFile) global.SetDataFilePath(*options.DataFile);
  const std::string& path = global.DataFilePath();
  std::error_code error;
  if (std::filesystem::status(path, error).type() == std::filesystem::file_type::not_found)
    throw std::runtime_error("There is no data file \"" + path + "\"; name one with --data FILE.");
  if (global.OpenDataFile()) return;
  throw std::runtime_error(
      options.Password ? "The password given with --password does not open \"" + path + "\"."
                       : "The data file \"" + path +
                             "\" is protected by a password; give it with --password TEXT.");
}

}  // namespace tf::cli

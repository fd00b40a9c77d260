#include "CliData.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "PasswordInput.h"
#include "app/Global.h"
#include "model/Account.h"
#include "store/BlockDeflater.h"
#include "store/FileLock.h"

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

// Where the password came from, so a refusal can say which one failed. The
// context asks only when the file has a password; then the options give it,
// or stdin does.
class TPasswordSource {
 public:
  explicit TPasswordSource(const TDataOptions& options) {
    if (options.Password) {
      Given_ = options.Password;
      Origin_ = "The password given with --password";
    } else if (options.PasswordFile) {
      // Read before the data file, so a wrong path is reported whether or
      // not the file turns out to need it.
      Given_ = ReadPasswordFile(*options.PasswordFile);
      Origin_ = "The password in \"" + *options.PasswordFile + "\"";
    }
  }

  std::optional<std::string> Ask() {
    if (Given_) return Given_;
    Origin_ = StdinIsTerminal() ? "The password typed" : "The password read from stdin";
    std::optional<std::string> entry = ReadPasswordFromStdin();
    Answered_ = entry.has_value();
    return entry;
  }

  std::string Refusal(const std::string& path) const {
    if (Given_ || Answered_) return Origin_ + " does not open \"" + path + "\".";
    return "The data file \"" + path +
           "\" is protected by a password; type it, pipe it to stdin, or give it with "
           "--password-file FILE or --password TEXT.";
  }

 private:
  std::optional<std::string> Given_;
  std::string Origin_;
  bool Answered_ = false;
};

// The context on the command line: preferences in memory, so that amounts
// look the same on every machine, and the password from the source.
TGlobalServices CliServices(const TDataOptions& options,
                            const std::shared_ptr<TPasswordSource>& source) {
  TGlobalServices services;
  if (!options.DataFile) services.DocumentsFolder = DocumentsFolder;
  services.PasswordPrompt = [source](const std::string&) { return source->Ask(); };
  return services;
}

}  // namespace

TDataOptions TakeDataOptions(TArgs& args) {
  TDataOptions options;
  for (std::size_t i = 0; i < args.size();) {
    if (!TakeOption(args, i, "--data", options.DataFile) &&
        !TakeOption(args, i, "--password", options.Password) &&
        !TakeOption(args, i, "--password-file", options.PasswordFile))
      ++i;
  }
  if (options.Password && options.PasswordFile)
    throw ECliUsage("give the password with --password-file or --password, not both");
  return options;
}

namespace {

// The context with the command line's services, and the path of its data
// file, which must exist.
std::string PrepareContext(TGlobal& global, const TDataOptions& options,
                           const std::shared_ptr<TPasswordSource>& source) {
  global.Initialise(CliServices(options, source));
  if (options.DataFile) global.SetDataFilePath(*options.DataFile);
  const std::string& path = global.DataFilePath();
  std::error_code error;
  if (std::filesystem::status(path, error).type() == std::filesystem::file_type::not_found)
    throw std::runtime_error("There is no data file \"" + path + "\"; name one with --data FILE.");
  return path;
}

TGlobal& OpenDataFileAs(const TDataOptions& options, const std::string& writingCommand) {
  const auto source = std::make_shared<TPasswordSource>(options);
  TGlobal& global = Global();
  const std::string path = PrepareContext(global, options, source);
  // Only a command that saves profits from the blocks a read learns.
  TBlockHarvest::SetEnabled(!writingCommand.empty());
  if (!writingCommand.empty()) global.LockDataFile("tallyfold-cli " + writingCommand);
  if (!global.OpenDataFile()) throw EWrongPassword(source->Refusal(path));
  return global;
}

}  // namespace

const TAccount& ReadDataFile(const TDataOptions& options) {
  const auto source = std::make_shared<TPasswordSource>(options);
  TGlobal& global = Global();
  const std::string path = PrepareContext(global, options, source);
  // Nothing read here is saved, so the file's blocks need not be learnt.
  TBlockHarvest::SetEnabled(false);
  if (!global.LoadFile("")) throw EWrongPassword(source->Refusal(path));
  return global.Accounts;
}

TGlobal& OpenDataFile(const TDataOptions& options) {
  return OpenDataFileAs(options, std::string());
}

TGlobal& OpenDataFileForWriting(const TDataOptions& options, const std::string& command) {
  return OpenDataFileAs(options, command);
}

void SaveDataFile(const std::string& whatWasLost) {
  try {
    Global().SaveFile();
  } catch (const EFileLocked&) {
    throw;
  } catch (const EStoreError& error) {
    throw EStoreError(std::string(error.what()) + " " + whatWasLost + "; the data file \"" +
                      Global().DataFilePath() + "\" is as it was.");
  }
}

int RunGuarded(const std::string& usage, const std::function<void()>& body) {
  try {
    body();
    std::cout.flush();
    return std::cout.good() ? 0 : 1;
  } catch (const ECliUsage& error) {
    std::cerr << "tallyfold-cli: " << error.what() << '\n' << usage;
    return 2;
  } catch (const EWrongPassword& error) {
    std::cerr << "tallyfold-cli: " << error.what() << '\n';
    return 2;
  } catch (const EFileLocked& error) {
    std::cerr << "tallyfold-cli: " << error.what()
              << " Nothing was changed; try again once it is closed there.\n";
    return 3;
  } catch (const std::exception& error) {
    std::cerr << "tallyfold-cli: " << error.what() << '\n';
    return 1;
  }
}

}  // namespace tf::cli

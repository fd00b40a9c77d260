// import and backup: the statement import and the backup as the window runs
// them, so both can be scripted and checked without a display.
#include <iostream>
#include <memory>

#include "CliCommand.h"
#include "CliData.h"
#include "ProfileCommands.h"
#include "StatementFormatChoice.h"
#include "app/Backup.h"
#include "app/Global.h"
#include "import/CSVParser.h"
#include "import/StatementCheck.h"
#include "import/StatementFormats.h"
#include "import/StatementImport.h"
#include "store/Variant.h"
#include "workspace/AccountLookup.h"

namespace tf::cli {
namespace {

const std::string kImportUsage =
    std::string("usage: tallyfold-cli import --format N|auto|--profile NAME --account NAME|ID ") +
    "[--keep-zero] " + kDataOptionsUsage + " STATEMENT\n";
const std::string kBackupUsage =
    std::string("usage: tallyfold-cli backup ") + kDataOptionsUsage + " OUT.tfold|OUT.ofx\n";

struct TImportOptions {
  int Format = 0;
  std::string Profile;  // a saved CSV profile instead of a format
  std::string Account, Statement;
  bool KeepZero = false;
};

std::string TakeValue(TArgs& args, std::size_t at) {
  if (at + 1 >= args.size()) throw ECliUsage(args[at] + " needs a value");
  std::string value = args[at + 1];
  args.erase(args.begin() + static_cast<std::ptrdiff_t>(at),
             args.begin() + static_cast<std::ptrdiff_t>(at + 2));
  return value;
}

TImportOptions TakeImportOptions(TArgs& args) {
  TImportOptions options;
  for (std::size_t i = 0; i < args.size();) {
    if (args[i] == "--format") {
      std::int32_t format = 0;
      const std::string text = TakeValue(args, i);
      if (IsAutoFormat(text)) {
        options.Format = kAutoFormat;
        continue;
      }
      if (!TryTextToInt32(text, format) || !CreateStatementParser(format))
        throw ECliUsage("--format must be a statement format from 1 to 7, not \"" + text + "\"");
      options.Format = format;
    } else if (args[i] == "--profile") {
      options.Profile = TakeValue(args, i);
    } else if (args[i] == "--account") {
      options.Account = TakeValue(args, i);
    } else if (args[i] == "--keep-zero") {
      options.KeepZero = true;
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
  if (options.Format == 0 && options.Profile.empty())
    throw ECliUsage("--format is missing (or --profile NAME for a saved CSV profile)");
  if (options.Format != 0 && !options.Profile.empty())
    throw ECliUsage("give either --format or --profile");
  if (options.Account.empty()) throw ECliUsage("--account is missing");
  if (args.size() != 1) throw ECliUsage("name one statement file");
  options.Statement = args[0];
  return options;
}

void PrintFormats(std::ostream& out) {
  out << "statement formats:\n";
  for (const TStatementFormat& format : StatementFormats())
    out << "  " << format.Number << "  " << StatementFormatFilter(format) << '\n';
}

}  // namespace

int ImportCommand(const TArgs& args) {
  TArgs rest = args;
  TImportOptions options;
  TDataOptions data;
  try {
    data = TakeDataOptions(rest);
    options = TakeImportOptions(rest);
  } catch (const ECliUsage& error) {
    std::cerr << "tallyfold-cli: " << error.what() << '\n' << kImportUsage;
    PrintFormats(std::cerr);
    return 2;
  }
  return RunGuarded(kImportUsage, [&] {
    // The statement first: a file that is refused leaves the data file unread.
    std::unique_ptr<TCSVParser> parser;
    // A statement no built-in layout reads may still fit a saved profile,
    // which only the data file knows.
    bool profileGuess = false;
    if (options.Profile.empty()) {
      profileGuess = options.Format == kAutoFormat && !IsBuiltInLayout(options.Statement);
      if (!profileGuess) {
        options.Format = ResolveStatementFormat(options.Format, options.Statement);
        parser = CreateStatementParser(options.Format);
        const std::string refusal =
            LoadCheckedStatement(*parser, options.Format, options.Statement);
        if (!refusal.empty()) throw std::runtime_error(refusal);
      }
    }
    OpenDataFileForWriting(data, "import");
    TGlobal& global = Global();
    if (profileGuess) options.Profile = FittingProfileName(global.Accounts, options.Statement);
    // A profile lives in the data file, so its statement is read after it.
    if (!options.Profile.empty())
      parser = LoadProfileStatement(global.Accounts, options.Profile, options.Statement);
    TAccount& account = FindAccountByNameOrId(global.Accounts, options.Account);
    TImportCallbacks callbacks;
    callbacks.Message = [](const std::string& text) { std::cout << text << '\n'; };
    const TImportResult result =
        ImportLines(global.Accounts, account, parser->Lines, !options.KeepZero, callbacks);
    if (!options.Profile.empty()) RememberProfileAccount(global.Accounts, options.Profile, account);
    FinishImport(global.Accounts, account, [] { SaveDataFile("Nothing was imported"); });
    std::cout << "Imported " << result.Imported << " of " << result.Rows << " rows into \""
              << account.FieldAt(TAccount::fAccountName)->AsString() << "\" (" << result.Duplicates
              << " already imported, " << result.SkippedZero << " of amount 0 left out)\n";
    const std::string leftOut = LeftOutMessage(parser->LeftOut);
    if (!leftOut.empty()) std::cout << leftOut << '\n';
  });
}

int BackupCommand(const TArgs& args) {
  return RunGuarded(kBackupUsage, [&] {
    TArgs rest = args;
    const TDataOptions data = TakeDataOptions(rest);
    if (rest.size() != 1) throw ECliUsage("name one backup file");
    const std::string& chosen = rest[0];
    const bool ofx = chosen.size() >= 4 && (chosen.compare(chosen.size() - 4, 4, ".ofx") == 0 ||
                                            chosen.compare(chosen.size() - 4, 4, ".OFX") == 0);
    OpenDataFile(data);
    for (const std::string& path :
         Global().CopyOpenedFile(chosen, ofx ? kBackupOfx : kBackupDataFile))
      std::cout << path << '\n';
  });
}

}  // namespace tf::cli

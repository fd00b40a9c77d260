// import and backup: the statement import and the backup as the window runs
// them, so both can be scripted and checked without a display.
#include <exception>
#include <iostream>
#include <memory>

#include "CliCommand.h"
#include "CliData.h"
#include "app/Backup.h"
#include "app/Global.h"
#include "import/CSVParser.h"
#include "import/StatementFormats.h"
#include "import/StatementImport.h"
#include "store/Variant.h"

namespace tf::cli {
namespace {

constexpr const char* kImportUsage =
    "usage: tallyfold-cli import --format N --account NAME|ID [--keep-zero] [--data FILE] "
    "[--password TEXT] STATEMENT\n";
constexpr const char* kBackupUsage =
    "usage: tallyfold-cli backup [--data FILE] [--password TEXT] OUT.tfold|OUT.ofx\n";

struct TImportOptions {
  int Format = 0;
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
      if (!TryTextToInt32(text, format) || !CreateStatementParser(format))
        throw ECliUsage("--format must be a statement format from 1 to 7, not \"" + text + "\"");
      options.Format = format;
    } else if (args[i] == "--account") {
      options.Account = TakeValue(args, i);
    } else if (args[i] == "--keep-zero") {
      options.KeepZero = true;
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
  if (options.Format == 0) throw ECliUsage("--format is missing");
  if (options.Account.empty()) throw ECliUsage("--account is missing");
  if (args.size() != 1) throw ECliUsage("name one statement file");
  options.Statement = args[0];
  return options;
}

// The live account with this ID, or the only live one with this name.
TAccount& FindTarget(const std::string& wanted) {
  TAccount& root = Global().Accounts;
  TAccount* byName = nullptr;
  for (int i = 0; i < root.RowCount(); ++i) {
    TAccount* account = root.AccountAt(i);
    if (account == nullptr || account->Deleted) continue;
    if (account->FieldAt(TAccount::fAccountID)->AsString() == wanted) return *account;
    if (account->FieldAt(TAccount::fAccountName)->AsString() == wanted) {
      if (byName) throw std::runtime_error("Two accounts are called \"" + wanted + "\"; name the account by its ID.");
      byName = account;
    }
  }
  if (byName == nullptr) throw std::runtime_error("The data file has no account \"" + wanted + "\".");
  return *byName;
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
  try {
    OpenDataFile(data);
    TAccount& account = FindTarget(options.Account);
    const std::unique_ptr<TCSVParser> parser = CreateStatementParser(options.Format);
    parser->LoadStatement(options.Statement);
    TImportCallbacks callbacks;
    callbacks.Message = [](const std::string& text) { std::cout << text << '\n'; };
    TGlobal& global = Global();
    const TImportResult result =
        ImportLines(global.Accounts, account, parser->Lines, !options.KeepZero, callbacks);
    FinishImport(global.Accounts, account, [&global] { global.SaveFile(); });
    std::cout << "Imported " << result.Imported << " of " << result.Rows << " rows into \""
              << account.FieldAt(TAccount::fAccountName)->AsString() << "\" (" << result.Duplicates
              << " already imported, " << result.SkippedZero << " of amount 0 left out)\n";
  } catch (const std::exception& error) {
    std::cerr << "tallyfold-cli: " << error.what() << '\n';
    return 1;
  }
  return std::cout.good() ? 0 : 1;
}

int BackupCommand(const TArgs& args) {
  TArgs rest = args;
  TDataOptions data;
  try {
    data = TakeDataOptions(rest);
    if (rest.size() != 1) throw ECliUsage("name one backup file");
  } catch (const ECliUsage& error) {
    std::cerr << "tallyfold-cli: " << error.what() << '\n' << kBackupUsage;
    return 2;
  }
  const std::string& chosen = rest[0];
  const bool ofx = chosen.size() >= 4 && (chosen.compare(chosen.size() - 4, 4, ".ofx") == 0 ||
                                          chosen.compare(chosen.size() - 4, 4, ".OFX") == 0);
  try {
    OpenDataFile(data);
    for (const std::string& path : Global().CreateBackup(chosen, ofx ? kBackupOfx : kBackupDataFile))
      std::cout << path << '\n';
  } catch (const std::exception& error) {
    std::cerr << "tallyfold-cli: " << error.what() << '\n';
    return 1;
  }
  return std::cout.good() ? 0 : 1;
}

}  // namespace tf::cli

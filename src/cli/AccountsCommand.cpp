// accounts: every live account of the data file with its type and balance,
// one per line separated by tabs, the smallest check that a file opens.
#include <exception>
#include <iostream>

#include "CliCommand.h"
#include "CliData.h"
#include "app/Global.h"

namespace tf::cli {
namespace {

constexpr const char* kAccountsUsage =
    "usage: tallyfold-cli accounts [--data FILE] [--password TEXT]\n";

void PrintAccounts(std::ostream& out) {
  TGlobal& global = Global();
  const TAccount& root = global.Accounts;
  for (int i = 0; i < root.RowCount(); ++i) {
    const TAccount* account = root.AccountAt(i);
    if (account == nullptr || account->Deleted) continue;
    out << account->FieldAt(TAccount::fAccountName)->AsString() << '\t'
        << account->FieldAt(TAccount::fAccountType)->AsString() << '\t'
        << global.FormatAmount(account->FieldAt(TAccount::fBalance)->AsCurrency()) << '\n';
  }
}

}  // namespace

int AccountsCommand(const TArgs& args) {
  TArgs rest = args;
  try {
    const TDataOptions options = TakeDataOptions(rest);
    if (!rest.empty()) throw ECliUsage("unexpected argument \"" + rest[0] + "\"");
    OpenDataFile(options);
  } catch (const ECliUsage& error) {
    std::cerr << "tallyfold-cli: " << error.what() << '\n' << kAccountsUsage;
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "tallyfold-cli: " << error.what() << '\n';
    return 1;
  }
  PrintAccounts(std::cout);
  return std::cout.good() ? 0 : 1;
}

}  // namespace tf::cli

// accounts: every live account of the data file with its type and balance,
// one per line separated by tabs, the smallest check that a file opens.
#include <iostream>

#include "CliCommand.h"
#include "CliData.h"
#include "CliOptions.h"
#include "app/Global.h"

namespace tf::cli {
namespace {

const std::string kAccountsUsage =
    std::string("usage: tallyfold-cli accounts ") + kDataOptionsUsage + "\n";

void PrintAccounts(std::ostream& out) {
  TGlobal& global = Global();
  const TAccount& root = global.Accounts;
  for (int i = 0; i < root.RowCount(); ++i) {
    const TAccount* account = root.AccountAt(i);
    if (account == nullptr || account->Deleted) continue;
    out << TabLine({account->FieldAt(TAccount::fAccountName)->AsString(),
                    account->FieldAt(TAccount::fAccountType)->AsString(),
                    global.FormatAmount(account->FieldAt(TAccount::fBalance)->AsCurrency())});
  }
}

}  // namespace

int AccountsCommand(const TArgs& args) {
  return RunGuarded(kAccountsUsage, [&] {
    TArgs rest = args;
    const TDataOptions options = TakeDataOptions(rest);
    if (!rest.empty()) throw ECliUsage("unexpected argument \"" + rest[0] + "\"");
    OpenDataFile(options);
    PrintAccounts(std::cout);
  });
}

}  // namespace tf::cli

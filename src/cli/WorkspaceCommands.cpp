// transactions, categories and recognise: what the transactions page shows
// of an account, the category list, and its recognition run, for scripts.
#include <iostream>

#include "CliCommand.h"
#include "CliData.h"
#include "CliOptions.h"
#include "app/Global.h"
#include "model/Transactions.h"
#include "workspace/AccountLookup.h"
#include "workspace/RecognitionRun.h"
#include "workspace/TransactionQuery.h"

namespace tf::cli {
namespace {

const std::string kTransactionsUsage =
    std::string("usage: tallyfold-cli transactions ") + kDataOptionsUsage +
    " [--from \"DD MMM YYYY\"] [--to \"DD MMM YYYY\"] [--filter TEXT] ACCOUNT\n";
const std::string kCategoriesUsage =
    std::string("usage: tallyfold-cli categories ") + kDataOptionsUsage + "\n";
const std::string kRecogniseUsage =
    std::string("usage: tallyfold-cli recognise ") + kDataOptionsUsage + "\n";

TTransactionQuery QueryOf(const TOptions& options) {
  TTransactionQuery query;
  if (const std::string* filter = options.Find("--filter")) query.FilterBoxText = *filter;
  if (const std::string* from = options.Find("--from")) query.From = DayValue("--from", *from);
  if (const std::string* to = options.Find("--to")) query.To = DayValue("--to", *to);
  if (query.From && query.To && *query.To < *query.From)
    throw ECliValue("\"--to\" lies before \"--from\"");
  return query;
}

// Date, type, description, category, amount and running balance, as the
// transactions grid shows them.
void PrintTransaction(const TTransactions& row, TGlobal& global) {
  std::cout << TabLine({row.FieldAt(TTransactions::fDate)->AsString(), row.TransactionTypeName(),
                        row.FieldAt(TTransactions::fDescription)->AsString(),
                        row.FieldAt(TTransactions::fCategory)->AsString(),
                        global.FormatAmount(row.FieldAt(TTransactions::fAmount)->AsCurrency()),
                        global.FormatAmount(row.FieldAt(TTransactions::fBalance)->AsCurrency())});
}

void NoArguments(const TArgs& rest) {
  if (!rest.empty()) throw ECliUsage("unexpected argument \"" + rest[0] + "\"");
}

}  // namespace

int TransactionsCommand(const TArgs& args) {
  return RunGuarded(kTransactionsUsage, [&] {
    TArgs rest = args;
    const TDataOptions data = TakeDataOptions(rest);
    const TOptions options = ParseOptions(rest, {"--from", "--to", "--filter"});
    if (options.Positional.size() != 1) throw ECliUsage("name one account");
    const TTransactionQuery query = QueryOf(options);
    OpenDataFile(data);
    TGlobal& global = Global();
    const TAccount& account = FindAccountByNameOrId(global.Accounts, options.Positional[0]);
    for (const TTransactions* row : QueryTransactions(account, query))
      PrintTransaction(*row, global);
  });
}

int CategoriesCommand(const TArgs& args) {
  return RunGuarded(kCategoriesUsage, [&] {
    TArgs rest = args;
    const TDataOptions data = TakeDataOptions(rest);
    NoArguments(rest);
    OpenDataFile(data);
    for (const std::string& entry : Global().Categories.Entries()) std::cout << TabLine({entry});
  });
}

int RecogniseCommand(const TArgs& args) {
  return RunGuarded(kRecogniseUsage, [&] {
    TArgs rest = args;
    const TDataOptions data = TakeDataOptions(rest);
    NoArguments(rest);
    OpenDataFileForWriting(data, "recognise");
    TGlobal& global = Global();
    const int changed = ApplyRecognitionCounted(global.Accounts);
    global.Accounts.RecalculateBalances();
    SaveDataFile("No category was changed");
    std::cout << changed << (changed == 1 ? " transaction" : " transactions")
              << " got a new category\n";
  });
}

}  // namespace tf::cli

// tallyfold-cli: the command-line front end for scripting and checking. A thin
// layer over the core; each command lives in its own unit.
#include <algorithm>
#include <cstring>
#include <iostream>
#include <map>
#include <set>
#include <string>

#include "CliCommand.h"
#include "app/Global.h"

namespace {

struct TCommand {
  int (*Run)(const tf::cli::TArgs&);
  const char* Usage;
  const char* Summary;
};

const std::map<std::string, TCommand>& Commands() {
  static const std::map<std::string, TCommand> commands = {
      {"accounts", {tf::cli::AccountsCommand, "accounts", "the accounts and their balances"}},
      {"backup",
       {tf::cli::BackupCommand, "backup OUT.tfold|OUT.ofx",
        "a copy of the data file, or one OFX statement per account beside OUT"}},
      {"budget",
       {tf::cli::BudgetCommand, "budget --month \"MMM YYYY\" OUT",
        "one month's budget as HTML or CSV (by OUT's extension)"}},
      {"categories", {tf::cli::CategoriesCommand, "categories", "the category list, one per line"}},
      {"chart",
       {tf::cli::ChartCommand, "chart NAME [--accounts A,B]",
        "the series a chart of the reports page draws (chart --help lists them)"}},
      {"dump", {tf::cli::DumpCommand, "dump FILE", "print the whole data file as JSON"}},
      {"import",
       {tf::cli::ImportCommand, "import --format N --account A FILE",
        "import a bank statement into account A (name or ID); N is 1 to 7 or auto; "
        "--keep-zero; --profile P (a saved CSV mapping) in place of --format"}},
      {"invest",
       {tf::cli::InvestCommand, "invest --deposit D|--value V",
        "value at maturity, or the deposit for it; --rate R --months N [--monthly]"}},
      {"loan",
       {tf::cli::LoanCommand, "loan --amount A --rate R --months N",
        "repayment, total, interest; --start \"DD MMM YYYY\" [OUT] (schedule, HTML)"}},
      {"parse",
       {tf::cli::ParseCommand, "parse --format N FILE",
        "the rows a statement parser reads (N 1 to 7 or auto), no data file touched"}},
      {"profile",
       {tf::cli::ProfileCommand, "profile add|delete NAME",
        "save or delete a CSV column mapping for import --profile"}},
      {"profiles", {tf::cli::ProfilesCommand, "profiles", "the saved CSV profiles, one per line"}},
      {"recognise",
       {tf::cli::RecogniseCommand, "recognise",
        "run the recognition patterns over every transaction, then save"}},
      {"report",
       {tf::cli::ReportCommand, "report finyear|monthly",
        "finyear --from --to OUT: the year's report as HTML; monthly: category totals per month"}},
      {"resave",
       {tf::cli::ResaveCommand, "resave IN OUT", "read IN and write it to OUT through the store"}},
      {"transactions",
       {tf::cli::TransactionsCommand, "transactions ACCOUNT",
        "an account's transactions; --from, --to \"DD MMM YYYY\", --filter TEXT"}},
  };
  return commands;
}

void PrintHelp(std::ostream& out) {
  out << "usage: tallyfold-cli [--data FILE] [--password-file FILE | --password TEXT] COMMAND "
         "[ARGUMENTS]\n\ncommands:\n";
  for (const auto& [name, command] : Commands())
    out << "  " << command.Usage
        << std::string(38 - std::min<std::size_t>(36, std::strlen(command.Usage)), ' ')
        << command.Summary << '\n';
  out << "  --help" << std::string(32, ' ') << "show this list\n\n"
      << "Commands on the data file take --data FILE (default: Tallyfold/data.tfold in the\n"
      << "documents folder). A file with a password takes --password-file FILE or\n"
      << "--password TEXT, or asks for it on the terminal (one line of stdin otherwise).\n"
      << "Exit status: 0 done, 1 failed, 2 a mistake in the command line or a wrong password,\n"
      << "3 the data file is held by another program (import, recognise and profile change it).\n";
}

// Splits the command line into the command (its first word that is neither
// an option nor the value of a data-file option) and everything else, in
// order, so that "--data FILE accounts" and "accounts --data FILE" are the same.
struct TCommandLine {
  std::string Name;
  tf::cli::TArgs Args;
};

TCommandLine SplitCommandLine(int argc, char** argv) {
  static const std::set<std::string> kDataOptions = {"--data", "--password-file", "--password"};
  TCommandLine line;
  tf::cli::TArgs before;
  bool found = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (found) {
      line.Args.push_back(arg);
    } else if (kDataOptions.count(arg) != 0) {
      before.push_back(arg);
      if (i + 1 < argc) before.push_back(argv[++i]);
    } else if (arg.rfind("-", 0) == 0 && arg != "-") {
      before.push_back(arg);
    } else {
      line.Name = arg;
      found = true;
    }
  }
  // Options written before the command go after its own arguments, where
  // the command reads them as if they stood there.
  line.Args.insert(line.Args.end(), before.begin(), before.end());
  return line;
}

bool AsksForHelp(const std::string& arg) {
  return arg == "--help" || arg == "-h" || arg == "help";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintHelp(std::cerr);
    return 2;
  }
  const TCommandLine line = SplitCommandLine(argc, argv);
  if (AsksForHelp(line.Name) ||
      (line.Name.empty() && std::any_of(line.Args.begin(), line.Args.end(), AsksForHelp))) {
    PrintHelp(std::cout);
    return 0;
  }
  if (line.Name.empty()) {
    std::cerr << "tallyfold-cli: no command given\n";
    PrintHelp(std::cerr);
    return 2;
  }
  const auto found = Commands().find(line.Name);
  if (found == Commands().end()) {
    std::cerr << "tallyfold-cli: unknown command \"" << line.Name << "\"\n";
    PrintHelp(std::cerr);
    return 2;
  }
  const int status = found->second.Run(line.Args);
  tf::Global().LeaveDataToExit();
  return status;
}

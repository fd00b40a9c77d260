// tallyfold-cli: the command-line front end for scripting and checking. A thin
// layer over the core; each command lives in its own unit.
#include <algorithm>
#include <cstring>
#include <iostream>
#include <map>
#include <string>

#include "CliCommand.h"

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
      {"dump", {tf::cli::DumpCommand, "dump FILE", "print the whole data file as JSON"}},
      {"import",
       {tf::cli::ImportCommand, "import --format N --account A FILE",
        "import a bank statement into account A (name or ID); --keep-zero"}},
      {"invest",
       {tf::cli::InvestCommand, "invest --deposit D|--value V",
        "value at maturity, or the deposit for it; --rate R --months N [--monthly]"}},
      {"loan",
       {tf::cli::LoanCommand, "loan --amount A --rate R --months N",
        "repayment, total, interest; --start \"DD MMM YYYY\" [OUT] (schedule, HTML)"}},
      {"parse",
       {tf::cli::ParseCommand, "parse --format N FILE",
        "the rows a statement parser reads, no data file touched"}},
      {"recognise",
       {tf::cli::RecogniseCommand, "recognise",
        "run the recognition patterns over every transaction, then save"}},
      {"report",
       {tf::cli::ReportCommand, "report finyear --from --to OUT",
        "the financial year report, days as \"01 Jan 2024\""}},
      {"resave",
       {tf::cli::ResaveCommand, "resave IN OUT", "read IN and write it to OUT through the store"}},
      {"transactions",
       {tf::cli::TransactionsCommand, "transactions ACCOUNT",
        "an account's transactions; --from, --to \"DD MMM YYYY\", --filter TEXT"}},
  };
  return commands;
}

void PrintHelp(std::ostream& out) {
  out << "usage: tallyfold-cli COMMAND [ARGUMENTS]\n\ncommands:\n";
  for (const auto& [name, command] : Commands())
    out << "  " << command.Usage
        << std::string(std::max<std::size_t>(2, 38 - std::strlen(command.Usage)), ' ')
        << command.Summary << '\n';
  out << "  --help" << std::string(32, ' ') << "show this list\n\n"
      << "Commands on the data file take --data FILE (default: Tallyfold/data.tfold in the\n"
      << "documents folder). A file with a password takes --password-file FILE or\n"
      << "--password TEXT, or asks for it on the terminal (one line of stdin otherwise).\n"
      << "Exit status: 0 done, 1 failed, 2 a mistake in the command line or a wrong password,\n"
      << "3 the data file is held by another program (import and recognise change it).\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintHelp(std::cerr);
    return 2;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintHelp(std::cout);
    return 0;
  }
  const auto found = Commands().find(name);
  if (found == Commands().end()) {
    std::cerr << "tallyfold-cli: unknown command \"" << name << "\"\n";
    PrintHelp(std::cerr);
    return 2;
  }
  return found->second.Run(tf::cli::TArgs(argv + 2, argv + argc));
}

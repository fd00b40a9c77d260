// The commands of tallyfold-cli. Each takes its arguments (after the command
// name) and returns the exit status; messages go to stderr.
#pragma once

#include <string>
#include <vector>

namespace tf::cli {

using TArgs = std::vector<std::string>;

int AccountsCommand(const TArgs& args);
int DumpCommand(const TArgs& args);
int ResaveCommand(const TArgs& args);
int ReportCommand(const TArgs& args);
int BudgetCommand(const TArgs& args);
int ImportCommand(const TArgs& args);
int BackupCommand(const TArgs& args);
int TransactionsCommand(const TArgs& args);
int CategoriesCommand(const TArgs& args);
int RecogniseCommand(const TArgs& args);
int ParseCommand(const TArgs& args);
int LoanCommand(const TArgs& args);
int InvestCommand(const TArgs& args);
int ChartCommand(const TArgs& args);
int ProfilesCommand(const TArgs& args);
int ProfileCommand(const TArgs& args);

}  // namespace tf::cli

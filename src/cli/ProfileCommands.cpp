// profiles and profile add|delete: the saved CSV column mappings of the data
// file, listed and made from a script with the checks the mapping dialog uses.
#include "ProfileCommands.h"

#include <iostream>
#include <stdexcept>

#include "CliCommand.h"
#include "CliData.h"
#include "CliOptions.h"
#include "app/Global.h"
#include "import/CsvProfile.h"
#include "import/CsvProfiles.h"
#include "import/ProfileCSVParser.h"
#include "import/StatementCheck.h"
#include "import/StatementImport.h"
#include "model/Account.h"

namespace tf::cli {
namespace {

const std::string kProfilesUsage =
    std::string("usage: tallyfold-cli profiles ") + kDataOptionsUsage + "\n";
const std::string kProfileUsage =
    std::string(
        "usage: tallyfold-cli profile add NAME [--separator ,|;|tab] [--skip N]\n"
        "         --date-column N [--date-order dmy|mdy|ymd]\n"
        "         --amount-column N | --in-column N --out-column N\n"
        "         --description-columns N[,N...] [--decimal .|,] [--balance-column N]\n"
        "         [--replace] ") +
    kDataOptionsUsage + "\n       tallyfold-cli profile delete NAME " + kDataOptionsUsage +
    "\nColumns are counted from 1; --skip (default 1) is the number of heading lines.\n";

std::string ProfileSummary(const TCsvProfile& p) {
  std::string text = SeparatorName(p.Separator) + ", skip " + std::to_string(p.SkipLines) +
                     ", date " + std::to_string(p.DateColumn) + " (" + DateOrderCode(p.DateOrder) +
                     ")";
  if (p.TwoAmountColumns())
    text += ", in " + std::to_string(p.InColumn) + ", out " + std::to_string(p.OutColumn);
  else
    text += ", amount " + std::to_string(p.AmountColumn);
  text += ", description " + ColumnListText(p.DescriptionColumns) + ", decimal " +
          std::string(1, p.DecimalSeparator);
  if (p.BalanceColumn != 0) text += ", balance " + std::to_string(p.BalanceColumn);
  return text;
}

char SeparatorValue(const std::string& text) {
  if (text == "," || text == "comma") return ',';
  if (text == ";" || text == "semicolon") return ';';
  if (text == "tab" || text == "\t" || text == "\\t") return '\t';
  throw ECliUsage("--separator must be \",\", \";\" or \"tab\", not \"" + text + "\"");
}

int ColumnOption(const TOptions& options, const std::string& name) {
  const std::string* text = options.Find(name);
  return text != nullptr ? WholeNumberValue(name, *text) : 0;
}

TCsvProfile ProfileFromOptions(const std::string& name, const TOptions& options) {
  TCsvProfile p;
  p.Name = name;
  if (const std::string* text = options.Find("--separator")) p.Separator = SeparatorValue(*text);
  if (const std::string* text = options.Find("--skip"))
    p.SkipLines = WholeNumberValue("--skip", *text);
  p.DateColumn = WholeNumberValue("--date-column", Required(options, "--date-column"));
  if (const std::string* text = options.Find("--date-order"))
    if (!TryDateOrderFromCode(*text, p.DateOrder))
      throw ECliUsage("--date-order must be dmy, mdy or ymd, not \"" + *text + "\"");
  p.AmountColumn = ColumnOption(options, "--amount-column");
  p.InColumn = ColumnOption(options, "--in-column");
  p.OutColumn = ColumnOption(options, "--out-column");
  if (p.AmountColumn == 0 && p.InColumn == 0 && p.OutColumn == 0)
    throw ECliUsage("give --amount-column, or --in-column and --out-column");
  const std::string& description = Required(options, "--description-columns");
  if (!TryColumnListFromText(description, p.DescriptionColumns))
    throw ECliUsage("--description-columns takes column numbers joined by commas, not \"" +
                    description + "\"");
  if (const std::string* text = options.Find("--decimal")) {
    if (*text != "." && *text != ",") throw ECliUsage("--decimal must be \".\" or \",\"");
    p.DecimalSeparator = (*text)[0];
  }
  p.BalanceColumn = ColumnOption(options, "--balance-column");
  return p;
}

void AddProfile(const std::string& name, const TOptions& options, const TDataOptions& data) {
  const TCsvProfile profile = ProfileFromOptions(name, options);
  const std::string problem = ProfileProblem(profile);
  if (!problem.empty()) throw ECliValue(problem);
  TAccount& root = OpenDataFileForWriting(data, "profile").Accounts;
  TCsvProfile existing;
  if (FindCsvProfile(root, name, existing) && !options.Has("--replace"))
    throw ECliValue("A profile named \"" + existing.Name +
                    "\" exists already; add --replace to change it.");
  StoreCsvProfile(root, profile);
  SaveDataFile("The profile was not saved");
  std::cout << "Saved profile \"" << name << "\": " << ProfileSummary(profile) << '\n';
}

void RemoveProfile(const std::string& name, const TDataOptions& data) {
  if (!DeleteCsvProfile(OpenDataFileForWriting(data, "profile").Accounts, name))
    throw ECliValue("There is no profile named \"" + name + "\".");
  SaveDataFile("The profile was not deleted");
  std::cout << "Deleted profile \"" << name << "\"\n";
}

}  // namespace

int ProfilesCommand(const TArgs& args) {
  return RunGuarded(kProfilesUsage, [&] {
    TArgs rest = args;
    const TDataOptions data = TakeDataOptions(rest);
    if (!rest.empty()) throw ECliUsage("unexpected argument \"" + rest[0] + "\"");
    const TAccount& root = ReadDataFile(data);
    for (const TCsvProfile& profile : LoadCsvProfiles(root))
      std::cout << TabLine(
          {profile.Name, root.AccountNameOf(profile.AccountID), ProfileSummary(profile)});
  });
}

int ProfileCommand(const TArgs& args) {
  return RunGuarded(kProfileUsage, [&] {
    TArgs rest = args;
    const TDataOptions data = TakeDataOptions(rest);
    const TOptions options = ParseOptions(
        rest,
        {"--separator", "--skip", "--date-column", "--date-order", "--amount-column", "--in-column",
         "--out-column", "--description-columns", "--decimal", "--balance-column"},
        {"--replace"});
    const std::vector<std::string>& words = options.Positional;
    if (words.size() != 2 || (words[0] != "add" && words[0] != "delete"))
      throw ECliUsage("say \"profile add NAME\" or \"profile delete NAME\"");
    if (words[0] == "add")
      AddProfile(words[1], options, data);
    else if (options.Values.empty() && options.Flags.empty())
      RemoveProfile(words[1], data);
    else
      throw ECliUsage("profile delete takes only the profile's name");
  });
}

std::unique_ptr<TCSVParser> LoadProfileStatement(const TAccount& root, const std::string& name,
                                                 const std::string& statement) {
  TCsvProfile profile;
  if (!FindCsvProfile(root, name, profile))
    throw std::runtime_error("There is no profile named \"" + name +
                             "\"; \"tallyfold-cli profiles\" lists the saved ones.");
  auto parser = std::make_unique<TProfileCSVParser>(profile);
  parser->LoadStatement(statement);
  for (const TProfileCSVParser::TNotRead& line : parser->NotRead)
    std::cerr << statement << ':' << line.LineNumber << ": left out: " << line.Reason << '\n';
  if (parser->Lines.empty()) {
    const std::string leftOut = LeftOutMessage(parser->LeftOut);
    throw std::runtime_error(std::string(kEmptyStatementMessage) +
                             (leftOut.empty() ? "" : " (" + leftOut + ")"));
  }
  return parser;
}

void RememberProfileAccount(TAccount& root, const std::string& name, const TAccount& account) {
  TCsvProfile profile;
  if (!FindCsvProfile(root, name, profile)) return;
  profile.AccountID = account.FieldAt(TAccount::fAccountID)->AsString();
  StoreCsvProfile(root, profile);
}

}  // namespace tf::cli

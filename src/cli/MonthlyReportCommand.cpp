#include "MonthlyReportCommand.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "CliData.h"
#include "CliOptions.h"
#include "base/MemoryPreferenceStore.h"
#include "base/NumberFormat.h"
#include "model/Account.h"
#include "reports/MonthlyCategoryReport.h"
#include "reports/MonthlyReportText.h"
#include "workspace/AccountLookup.h"
#include "workspace/TransactionListing.h"

#ifdef TALLYFOLD_CLI_PLATFORM
#include "platform/QtPreferenceStore.h"
#endif

namespace tf::cli {

const std::string kMonthlyReportUsage =
    std::string("usage: tallyfold-cli report monthly ") + kDataOptionsUsage +
    " [--from \"MMM YYYY\"] [--to \"MMM YYYY\"] [--depth main|full] [--accounts NAME,NAME]"
    " [--format text|csv|json]\n";

namespace {

enum class TForm { Text, Csv, Json };

struct TMonthlyOptions {
  TMonthlyReportRequest Request;
  std::vector<std::string> Accounts;  // names or IDs; none: every live account
  TForm Form = TForm::Text;
};

std::optional<TReportMonth> MonthOption(const TOptions& options, const std::string& name) {
  const std::string* text = options.Find(name);
  if (text == nullptr) return std::nullopt;
  const auto month = ParseMonthText(*text);
  if (!month)
    throw ECliUsage("\"" + name + "\" must be a month like Mar 2026, not \"" + *text + "\"");
  return TReportMonth{month->first, month->second};
}

// One of `words` (the option's value); ECliUsage listing them otherwise.
int ChoiceOption(const TOptions& options, const std::string& name,
                 const std::vector<std::string>& words) {
  const std::string* text = options.Find(name);
  if (text == nullptr) return -1;
  for (std::size_t i = 0; i < words.size(); ++i)
    if (*text == words[i]) return static_cast<int>(i);
  std::string list;
  for (const std::string& word : words) list += (list.empty() ? "" : ", ") + word;
  throw ECliUsage("\"" + name + "\" must be one of " + list + ", not \"" + *text + "\"");
}

std::vector<std::string> SplitAtCommas(const std::string& text) {
  std::vector<std::string> parts(1);
  for (const char c : text) {
    if (c == ',')
      parts.emplace_back();
    else
      parts.back().push_back(c);
  }
  for (const std::string& part : parts)
    if (part.empty()) throw ECliUsage("\"--accounts\" holds an empty name: \"" + text + "\"");
  return parts;
}

TMonthlyOptions ReadOptions(const TArgs& args) {
  const TOptions options =
      ParseOptions(args, {"--from", "--to", "--depth", "--accounts", "--format"});
  if (!options.Positional.empty())
    throw ECliUsage("unexpected argument \"" + options.Positional[0] + "\"");
  TMonthlyOptions result;
  result.Request.From = MonthOption(options, "--from");
  result.Request.To = MonthOption(options, "--to");
  if (result.Request.From && result.Request.To &&
      result.Request.To->Number() < result.Request.From->Number())
    throw ECliUsage("\"--to\" lies before \"--from\"");
  if (ChoiceOption(options, "--depth", {"full", "main"}) == 1)
    result.Request.Depth = TCategoryDepth::Main;
  const int form = ChoiceOption(options, "--format", {"text", "csv", "json"});
  if (form > 0) result.Form = static_cast<TForm>(form);
  if (const std::string* names = options.Find("--accounts"))
    result.Accounts = SplitAtCommas(*names);
  return result;
}

std::vector<const TAccount*> ChosenAccounts(const TAccount& root,
                                            const std::vector<std::string>& names) {
  std::vector<const TAccount*> accounts;
  if (names.empty()) {
    for (const TAccount* account : LiveAccounts(root)) accounts.push_back(account);
    return accounts;
  }
  for (const std::string& name : names) {
    const TAccount* account = &FindAccountByNameOrId(root, name);
    if (std::find(accounts.begin(), accounts.end(), account) == accounts.end())
      accounts.push_back(account);
  }
  return accounts;
}

// The thousand and decimal separators the user chose in the program's
// settings; the program's defaults where it has no store of its own.
std::unique_ptr<TPreferenceStore> UserPreferences() {
#ifdef TALLYFOLD_CLI_PLATFORM
  return std::make_unique<TQtPreferenceStore>();
#else
  return std::make_unique<TMemoryPreferenceStore>();
#endif
}

// Whole amounts as integers, so 25000 does not print as 25000.0.
nlohmann::ordered_json JsonAmount(const TMoneySum& sum) {
  const TCurrency amount = TCurrency::FromDouble(sum.ToDouble());
  if (amount.Raw % TCurrency::kScale == 0) return amount.Raw / TCurrency::kScale;
  return amount.ToDouble();
}

nlohmann::ordered_json JsonAmounts(const TMonthlyRow& row) {
  nlohmann::ordered_json amounts = nlohmann::ordered_json::array();
  for (const TMoneySum& amount : row.Amounts) amounts.push_back(JsonAmount(amount));
  return {{"amounts", amounts}, {"total", JsonAmount(row.Total)}};
}

std::string MonthlyReportJson(const TMonthlyReport& report) {
  nlohmann::ordered_json json;
  json["months"] = nlohmann::ordered_json::array();
  for (const TReportMonth& month : report.Months) json["months"].push_back(month.Name());
  json["rows"] = nlohmann::ordered_json::array();
  const std::pair<const char*, const TMonthlySection*> sections[] = {
      {"income", &report.Income}, {"expenses", &report.Expenses}};
  for (const auto& [name, section] : sections) {
    for (const TMonthlyRow& row : section->Rows) {
      nlohmann::ordered_json line = {{"section", name}, {"category", row.Category}};
      line.update(JsonAmounts(row));
      json["rows"].push_back(line);
    }
    json["totals"][name] = JsonAmounts(section->Total);
  }
  json["totals"]["net"] = JsonAmounts(report.Net);
  // Category texts from older files may be Windows-1252 rather than UTF-8.
  return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

std::string Document(const TMonthlyReport& report, TForm form) {
  switch (form) {
    case TForm::Csv:
      return MonthlyReportCsv(report);
    case TForm::Json:
      return MonthlyReportJson(report);
    case TForm::Text:
      break;
  }
  const std::unique_ptr<TPreferenceStore> preferences = UserPreferences();
  TNumberFormat format(*preferences);
  return MonthlyReportTable(report, format);
}

}  // namespace

int MonthlyReportCommand(const TArgs& args) {
  return RunGuarded(kMonthlyReportUsage, [&] {
    TArgs rest = args;
    const TDataOptions data = TakeDataOptions(rest);
    TMonthlyOptions options = ReadOptions(rest);
    const TAccount& root = ReadDataFile(data);
    options.Request.Accounts = ChosenAccounts(root, options.Accounts);
    std::cout << Document(BuildMonthlyReport(options.Request), options.Form);
  });
}

}  // namespace tf::cli

#include "workspace/ActivityTestData.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "base/CategoryList.h"
#include "base/Formats.h"
#include "base/Guid.h"
#include "model/Account.h"
#include "model/Transactions.h"

namespace tf {
namespace {

constexpr int kRows = 20;

bool NamesIncome(const std::string& entry) {
  std::string lower = entry;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower.find("income") != std::string::npos;
}

int RandomBetween(std::mt19937& random, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random);
}

void FillRow(TTransactions& row, TDateTime date, const std::string& category,
             std::mt19937& random) {
  row.FieldAt(TTransactions::fTransactionID)->SetValue(TVariant::String(NewGuid()));
  row.FieldAt(TTransactions::fDate)->SetValue(TVariant::String(FormatDisplayDate(date)));
  row.ClearDateCache();
  row.FieldAt(TTransactions::fDescription)
      ->SetValue(TVariant::String("Got some " + SubCategoryOf(category)));
  row.FieldAt(TTransactions::fCategory)->SetValue(TVariant::String(category));
  const bool income = NamesIncome(category);
  const int amount = income ? RandomBetween(random, 4000, 9999) : RandomBetween(random, -850, -151);
  row.FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(TCurrency::FromUnits(amount)));
  row.SetTransactionType(income ? ttIncome : ttExpense);
}

}  // namespace

void AddTestTransactions(TAccount& account, TDateTime monthStart, const TCategoryList& categories,
                         std::mt19937& random) {
  TTransactions* table = account.TransactionsTable();
  if (table == nullptr || categories.Empty()) return;
  // The last entry is never picked, unless it is the only one.
  const int lastPick = std::max(0, static_cast<int>(categories.Count()) - 2);
  TDateTime day = StartOfMonth(DateOf(monthStart));
  for (int i = 0; i < kRows; ++i, day += 1) {
    const std::string& category =
        categories[static_cast<std::size_t>(RandomBetween(random, 0, lastPick))];
    FillRow(*table->NewTransaction(), day, category, random);
  }
}

}  // namespace tf

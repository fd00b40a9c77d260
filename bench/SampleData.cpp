#include "SampleData.h"

#include <cstdio>
#include <filesystem>
#include <random>

#include "model/Transactions.h"
#include "store/DateTime.h"

namespace tf::bench {
namespace {

const char* const kMerchants[] = {"POS PURCHASE WOOLWORTHS SANDTON",
                                  "DEBIT ORDER DISCOVERY HEALTH",
                                  "ATM WITHDRAWAL ABSA ROSEBANK",
                                  "INTERNET PMT TO J SMITH RENT",
                                  "SALARY ACME HOLDINGS (PTY) LTD",
                                  "POS PURCHASE ENGEN BRYANSTON",
                                  "MONTHLY ACCOUNT FEE",
                                  "PURCHASE TAKEALOT.COM",
                                  "DEBIT ORDER VODACOM CONTRACT",
                                  "POS PURCHASE PICK N PAY HYDE PARK",
                                  "INTEREST CREDIT",
                                  "PREPAID ELECTRICITY CITY POWER"};
const char* const kCategories[] = {"Food - groceries",       "Personal - medical",
                                   "Other - miscellaneous",  "Home - rent",
                                   "Income - paycheck",      "Transportation - gas",
                                   "Other - bank charges",   "",
                                   "Utilities - cell phone", "Food - dining out",
                                   "Income - interest",      "Utilities - electric"};
const char* const kTypes[] = {"Current Account", "Credit Card", "Saving Account", "Home Loan",
                              "Vehicle Loan"};

std::string Guid(std::mt19937_64& random) {
  char buf[40];
  const auto a = random(), b = random();
  std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%04X-%012llX}", static_cast<unsigned>(a >> 32),
                static_cast<unsigned>(a >> 16) & 0xFFFF, static_cast<unsigned>(a) & 0xFFFF,
                static_cast<unsigned>(b >> 48),
                static_cast<unsigned long long>(b & 0xFFFFFFFFFFFFULL));
  return buf;
}

void Set(TBone& row, int field, const std::string& text) {
  row.FieldAt(field)->SetValue(TVariant::String(text));
}

}  // namespace

void FillAccounts(TAccount& root, int transactions, int years) {
  std::mt19937_64 random(20240105);
  const TDateTime start = EncodeDate(1995, 1, 1);
  for (int a = 0; a < 5; ++a) {
    TAccount* account = root.NewAccount();
    Set(*account, TAccount::fAccountID, Guid(random));
    Set(*account, TAccount::fAccountName, std::string("Account ") + char('A' + a));
    Set(*account, TAccount::fAccountType, kTypes[a]);
    TTransactions* table = account->TransactionsTable();
    const int count = transactions / 5 + (a < transactions % 5 ? 1 : 0);
    table->Rows().Reserve(static_cast<std::size_t>(count));
    std::int64_t balance = 0;
    for (int t = 0; t < count; ++t) {
      TTransactions* row = table->NewTransaction();
      const TDateTime date = start + static_cast<double>(t) * (years * 365.25) / count;
      const std::size_t kind = random() % 12;
      const std::int64_t cents =
          (kind == 4 ? 1 : -1) * static_cast<std::int64_t>(random() % 250000);
      balance += cents;
      Set(*row, TTransactions::fTransactionID, Guid(random));
      Set(*row, TTransactions::fDate, FormatDayMonthYear(date));
      const std::string description =
          std::string(kMerchants[kind]) + " " + std::to_string(random() % 100000);
      Set(*row, TTransactions::fDescription, description);
      Set(*row, TTransactions::fCategory, kCategories[kind]);
      row->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(TCurrency{cents * 100}));
      row->FieldAt(TTransactions::fBalance)->SetValue(TVariant::Currency(TCurrency{balance * 100}));
      char raw[200];
      int y, m, d;
      DecodeDate(date, y, m, d);
      std::snprintf(
          raw, sizeof raw, "%04d%02d%02d,%s,%lld.%02lld,%lld.%02lld", y, m, d, description.c_str(),
          static_cast<long long>(cents / 100), static_cast<long long>(std::llabs(cents % 100)),
          static_cast<long long>(balance / 100), static_cast<long long>(std::llabs(balance % 100)));
      Set(*row, TTransactions::fRawLineData, raw);
      row->FieldAt(TTransactions::fTransactionType)->SetValue(TVariant::Integer(kind == 4 ? 0 : 1));
      row->FieldAt(TTransactions::fSortOrder)->SetValue(TVariant::Integer(t % 40));
    }
  }
}

std::string SampleFile(int transactions) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("tallyfold-bench-" + std::to_string(transactions) + ".tfold"))
                               .string();
  if (!std::filesystem::exists(path)) {
    TAccount root;
    FillAccounts(root, transactions);
    root.SaveToFile(path, true);
  }
  return path;
}

}  // namespace tf::bench

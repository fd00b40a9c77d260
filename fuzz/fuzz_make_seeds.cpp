// Writes a few valid data files (compressed and not) as the fuzzers' seeds.
#include <fstream>
#include <string>

#include "model/Account.h"
#include "model/Budget.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"
#include "store/DataFile.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::string compressedDir = argv[1], contentDir = argv[2];
  for (int accounts = 0; accounts < 3; ++accounts) {
    tf::TAccount root;
    root.ListFieldAt(tf::TAccount::lfPassword)->SetValue(tf::TVariant::String("pw"));
    for (int a = 0; a < accounts; ++a) {
      tf::TAccount* account = root.NewAccount();
      account->FieldAt(tf::TAccount::fAccountName)->SetValue(tf::TVariant::String("Caf\xC3\xA9"));
      tf::TTransactions* row = account->TransactionsTable()->NewTransaction();
      row->FieldAt(tf::TTransactions::fAmount)->SetValue(tf::TVariant::Currency(tf::TCurrency{-5}));
      row->FieldAt(tf::TTransactions::fDate)->SetValue(tf::TVariant::String("05 Jan 2008"));
    }
    root.BudgetTable()->NewBudget();
    root.PatternTable()->NewPattern();
    std::string content;
    root.SaveToStream(content);
    const std::string name = "/seed" + std::to_string(accounts);
    std::ofstream(contentDir + name, std::ios::binary) << content;
    std::ofstream(compressedDir + name, std::ios::binary) << tf::DeflateContent(content);
  }
  return 0;
}

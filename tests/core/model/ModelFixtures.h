// Small finance trees for the model tests, built in code: accounts with
// transactions, budget lines and patterns under Global().Accounts, which the
// sums and the month index work on.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/Global.h"
#include "model/Account.h"
#include "model/Budget.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"

namespace tf::testing {

inline TVariant Money(double amount) {
  return TVariant::Currency(TCurrency::FromDouble(amount));
}

inline void SetText(TBone& row, int index, const std::string& text) {
  row.FieldAt(index)->SetValue(TVariant::String(text));
}

// Empties what the model tests use of the one process-wide context.
inline void ResetGlobalData() {
  TGlobal& global = Global();
  global.Accounts.Rows().Clear();
  for (int i = 0; i < global.Accounts.ChildCount(); ++i) global.Accounts.ChildAt(i)->Rows().Clear();
  global.Accounts.ListFieldAt(TAccount::lfCustomCategories)->SetValue(TVariant::String(""));
  global.Categories.Clear();
  global.MonthIndex.Clear();
}

inline TAccount* AddAccount(TAccount& root, const std::string& id, const std::string& name = "",
                            const std::string& type = "Current Account", double starting = 0) {
  TAccount* account = root.NewAccount();
  SetText(*account, TAccount::fAccountID, id);
  SetText(*account, TAccount::fAccountName, name);
  SetText(*account, TAccount::fAccountType, type);
  account->FieldAt(TAccount::fStartingBalance)->SetValue(Money(starting));
  return account;
}

struct TRowSpec {
  std::string Date;
  double Amount = 0;
  int Type = ttExpense;
  std::string Category;
  std::string Description;
  int SortOrder = 0;
};

inline TTransactions* AddTransaction(TAccount& account, const TRowSpec& spec) {
  TTransactions* row = account.TransactionsTable()->NewTransaction();
  SetText(*row, TTransactions::fDate, spec.Date);
  row->FieldAt(TTransactions::fAmount)->SetValue(Money(spec.Amount));
  row->SetTransactionType(spec.Type);
  SetText(*row, TTransactions::fCategory, spec.Category);
  SetText(*row, TTransactions::fDescription, spec.Description);
  row->FieldAt(TTransactions::fSortOrder)->SetValue(TVariant::Integer(spec.SortOrder));
  return row;
}

inline double MoneyOf(const TBone& row, int index) {
  return row.FieldAt(index)->AsCurrency().ToDouble();
}

// Each test starts from an empty context and leaves none of its data behind.
class ModelTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobalData(); }
  void TearDown() override { ResetGlobalData(); }
  TAccount& Root() { return Global().Accounts; }
};

}  // namespace tf::testing

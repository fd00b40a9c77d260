// Accounts and transactions built in memory for the tests of the
// transactions page's rules, on a freshly reset application context.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/Global.h"
#include "model/Account.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"

namespace tf::testing {

struct WorkspaceTest : ::testing::Test {
  void SetUp() override { Global().Reset(); }
  void TearDown() override { Global().Reset(); }

  TAccount& Root() { return Global().Accounts; }

  TAccount* AddAccount(const std::string& name, const std::string& id) {
    TAccount* account = Root().NewAccount();
    account->FieldAt(TAccount::fAccountID)->SetValue(TVariant::String(id));
    account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String(name));
    return account;
  }

  static TTransactions* AddTransaction(TAccount& account, const std::string& date,
                                       const std::string& description, double amount,
                                       const std::string& category = "") {
    TTransactions* row = account.TransactionsTable()->NewTransaction();
    row->FieldAt(TTransactions::fDate)->SetValue(TVariant::String(date));
    row->FieldAt(TTransactions::fDescription)->SetValue(TVariant::String(description));
    row->FieldAt(TTransactions::fAmount)
        ->SetValue(TVariant::Currency(TCurrency::FromDouble(amount)));
    row->FieldAt(TTransactions::fCategory)->SetValue(TVariant::String(category));
    return row;
  }

  TImportSettings* AddPattern(const std::string& match, int matchType, const std::string& category,
                              const std::string& accountId = "", int type = ttExpense) {
    TImportSettings* pattern = Root().PatternTable()->NewPattern();
    pattern->FieldAt(TImportSettings::fMatchValue)->SetValue(TVariant::String(match));
    pattern->SetMatchType(matchType);
    pattern->FieldAt(TImportSettings::fCategoryName)->SetValue(TVariant::String(category));
    pattern->FieldAt(TImportSettings::fAccountID)->SetValue(TVariant::String(accountId));
    pattern->SetTransactionType(type);
    return pattern;
  }
};

}  // namespace tf::testing

// Small data sets built in code in the application context: accounts with
// transactions, and budget lines, for the budget and report tests.
#pragma once

#include <stdexcept>
#include <string>

#include "app/Global.h"
#include "model/Account.h"
#include "model/Budget.h"
#include "model/Transactions.h"
#include "store/Currency.h"

namespace tf::testing {

inline TCurrency Money(const std::string& text) {
  TCurrency value;
  if (!TryTextToCurrency(text, value)) throw std::invalid_argument("bad amount " + text);
  return value;
}

// Empties the context's accounts, budget lines, categories and month index.
inline void ClearContext() {
  TGlobal& global = Global();
  global.Accounts.Rows().Clear();
  for (int i = 0; i < global.Accounts.ChildCount(); ++i) global.Accounts.ChildAt(i)->Rows().Clear();
  global.Categories.Clear();
  global.ClearMonthIndex();
}

inline TAccount& AddAccount(const std::string& name) {
  TAccount* account = Global().Accounts.NewAccount();
  account->FieldAt(TAccount::fAccountID)->SetValue(TVariant::String("{ACC-" + name + "}"));
  account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String(name));
  return *account;
}

inline TTransactions& AddTransaction(TAccount& account, const std::string& date,
                                     const std::string& description, const std::string& category,
                                     const std::string& amount, int type = ttExpense,
                                     int sortOrder = 0) {
  TTransactions* t = account.TransactionsTable()->NewTransaction();
  t->FieldAt(TTransactions::fDate)->SetValue(TVariant::String(date));
  t->FieldAt(TTransactions::fDescription)->SetValue(TVariant::String(description));
  t->FieldAt(TTransactions::fCategory)->SetValue(TVariant::String(category));
  t->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(Money(amount)));
  t->SetTransactionType(type);
  t->FieldAt(TTransactions::fSortOrder)->SetValue(TVariant::Integer(sortOrder));
  return *t;
}

inline TBudget& AddBudgetLine(const std::string& category, int year, int month,
                              const std::string& max, bool income,
                              const std::string& actual = "0") {
  TBudget* line = Global().Accounts.BudgetTable()->NewBudget();
  line->FieldAt(TBudget::fBudgetID)->SetValue(TVariant::String("{BUD-" + category + "}"));
  line->FieldAt(TBudget::fCategoryName)->SetValue(TVariant::String(category));
  line->FieldAt(TBudget::fYear)->SetValue(TVariant::Integer(year));
  line->FieldAt(TBudget::fMonth)->SetValue(TVariant::Integer(month));
  line->FieldAt(TBudget::fMax)->SetValue(TVariant::Currency(Money(max)));
  line->FieldAt(TBudget::fActual)->SetValue(TVariant::Currency(Money(actual)));
  line->FieldAt(TBudget::fIncome)->SetValue(TVariant::Bool(income));
  return *line;
}

// Puts every account's transactions in date order and drops the month index,
// as the program does after changing transactions.
inline void TransactionsChanged() {
  for (int i = 0; i < Global().Accounts.RowCount(); ++i)
    Global().Accounts.AccountAt(i)->TransactionsTable()->SortTransactions();
  Global().ClearMonthIndex();
}

inline std::string DataPath(const std::string& name) {
  return std::string(TALLYFOLD_TEST_DATA) + "/" + name;
}

}  // namespace tf::testing

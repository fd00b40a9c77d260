// The application context: the one object that owns the data of the running
// program (the accounts tree, the category list, the month index) and knows
// where the data file is, how to open it, save it and back it up.
#pragma once

#include "app/CategoryList.h"
#include "model/Account.h"
#include "model/MonthIndex.h"

namespace tf {

class TGlobal {
 public:
  TGlobal();

  TAccount Accounts;          // the root of the data file
  TCategoryList Categories;   // sorted, duplicates ignored
  TMonthIndex MonthIndex;

  void BuildMonthIndex(bool onlyIfEmpty) { MonthIndex.Build(Accounts, onlyIfEmpty); }
  void ClearMonthIndex() { MonthIndex.Clear(); }
};

// The process's one context.
TGlobal& Global();

}  // namespace tf

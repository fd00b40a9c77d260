// One statement row as a parser read it, handed to the import. The texts are
// for display; the import works from Date, Amount, Description and RawLine.
#pragma once

#include <string>

#include "store/Currency.h"
#include "store/DateTime.h"

namespace tf {

struct TCSVLineData {
  std::string DateText;          // as found, or "dd MMM yyyy" once recognised
  std::string Description;       // runs of blanks reduced to one (CSV layouts)
  std::string AmountText;        // as found, or grouped with two decimals once converted
  std::string BalanceText;       // as AmountText; empty where the layout has none
  TDateTime Date = 0;            // 0 when no date was recognised
  TCurrency Amount;              // signed as in the statement; 0 when not converted
  TCurrency Balance;             // 0 when not converted
  std::string RawLine;           // the duplicate key the import stores as RawLineData
  bool Duplicate = false;        // set by the import
  std::string TypeText;          // own CSV layout only: income, expense, transfer, deposit
  std::string MainCategoryText;  // own CSV layout only
  std::string SubCategoryText;   // own CSV layout only
};

}  // namespace tf

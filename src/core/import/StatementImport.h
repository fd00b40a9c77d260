// Brings the rows of a parsed bank statement into one account: skips rows
// whose statement line the account already holds, creates a transaction per
// remaining row and lets the recognition patterns categorise it.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "import/CSVLineData.h"

namespace tf {

class TAccount;
class TTransactions;

// Raised when the import cannot start, such as a target that is no account.
class TImportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kEmptyStatementMessage =
    "File seems to be empty, import will not continue";

struct TImportCallbacks {
  // An information message the user acknowledges with OK.
  std::function<void(const std::string& text)> Message;
  // Called once per row of each pass with the caption to show and the
  // 1-based position; the window decides how often it repaints.
  std::function<void(const std::string& caption, int position, int count)> Progress;
};

struct TImportResult {
  int Rows = 0;         // statement rows looked at
  int Duplicates = 0;   // rows whose line the account already held
  int SkippedZero = 0;  // rows left out because their amount was 0
  int Unticked = 0;     // rows the user left out in the preview
  int Imported = 0;     // transactions created
};

// "Import %S transactions" with the row count in place of %S.
std::string ImportButtonCaption(int rowCount);
std::string DuplicateCheckCaption(int position, int count);
std::string ImportingCaption(int position, int count);
// The message about rows already imported; empty when there are none.
std::string DuplicatesMessage(int duplicates, int total);

// Sets Duplicate on every row whose RawLine equals the "RawLineData" of a
// live transaction of the account; returns how many were marked. Rows of
// the same statement never count as duplicates of each other.
int MarkDuplicates(std::vector<TCSVLineData>& rows, const TAccount& account,
                   const TImportCallbacks& callbacks);

// For each row, whether its RawLine is the "RawLineData" of a live
// transaction of the account; nothing is marked.
std::vector<bool> ImportedBefore(const std::vector<TCSVLineData>& rows, const TAccount& account);

// Marks duplicates, tells the user about them, then appends a transaction to
// `account` for every row that is neither a duplicate nor (with
// `ignoreZero`) of amount 0, recognised with the patterns of `root`. With
// `chosen` (one flag per row), rows whose flag is false are left out too.
// Balances, order and the data file are left to FinishImport.
TImportResult ImportLines(const TAccount& root, TAccount& account, std::vector<TCSVLineData>& rows,
                          bool ignoreZero, const TImportCallbacks& callbacks,
                          const std::vector<bool>& chosen = {});

// The fields a statement row gives its transaction before recognition, and
// the type and category the program's own export writes, which win over it.
void FillStatementTransaction(TTransactions& transaction, const TCSVLineData& row, int position);
void ApplyOwnLayoutValues(TTransactions& transaction, const TCSVLineData& row);

// What follows a confirmed import: the account's transactions in date order,
// every running balance, the category list, then `save` (when given).
void FinishImport(TAccount& root, TAccount& account, const std::function<void()>& save);

}  // namespace tf

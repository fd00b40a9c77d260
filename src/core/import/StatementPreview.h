// What an import would do with each row of a parsed statement, worked out
// before anything changes: which rows are new and the category recognition
// would give them, which were imported before, which are left out and why.
#pragma once

#include <string>
#include <vector>

#include "import/CSVLineData.h"

namespace tf {

class TAccount;

enum class TPreviewMark {
  New,         // would be imported
  Duplicate,   // its statement line is already in the account
  ZeroAmount,  // left out while zero amounts are ignored
};

struct TPreviewRow {
  TPreviewMark Mark = TPreviewMark::New;
  std::string Category;     // as recognition (or the own export) would set it; empty: none
  int TransactionType = 1;  // likewise
  std::string Note;         // why the row is left out, or what to know about it
};

struct TImportPreview {
  std::vector<TPreviewRow> Rows;  // one per statement row, in the statement's order
  int NewRows = 0;
  int Duplicates = 0;
  int ZeroAmounts = 0;
};

// The preview of importing `rows` into `account` with the patterns of
// `root`, by the import's own rules. Changes nothing; throws TImportError
// when `account` is no account row.
TImportPreview PreviewStatementImport(const TAccount& root, const TAccount& account,
                                      const std::vector<TCSVLineData>& rows, bool ignoreZero);

// Why a row is left out; empty for a new row.
std::string PreviewReason(TPreviewMark mark);

// "12 of 15 rows ticked for import · 2 already imported · 1 of amount 0 left out";
// the parts without rows are left out.
std::string PreviewSummary(const TImportPreview& preview, int ticked);

}  // namespace tf

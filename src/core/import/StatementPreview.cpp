#include "import/StatementPreview.h"

#include <optional>

#include "import/StatementImport.h"
#include "model/Account.h"
#include "model/PatternMatcher.h"
#include "model/Transactions.h"

namespace tf {
namespace {

TPreviewMark MarkOf(const TCSVLineData& row, bool importedBefore, bool ignoreZero) {
  if (importedBefore) return TPreviewMark::Duplicate;
  if (ignoreZero && row.Amount == TCurrency{}) return TPreviewMark::ZeroAmount;
  return TPreviewMark::New;
}

// The row as the import would make it, on a transaction of its own that no
// table holds, so that recognition can run without changing the account.
void RecogniseRow(const TPatternMatcher* patterns, const TAccount& account, const TCSVLineData& row,
                  int position, TPreviewRow& preview) {
  TTransactions probe(nullptr, TBoneKind::Single);
  FillStatementTransaction(probe, row, position);
  if (patterns != nullptr) patterns->Recognise(&probe, &account);
  ApplyOwnLayoutValues(probe, row);
  preview.Category = probe.FieldAt(TTransactions::fCategory)->AsString();
  preview.TransactionType = probe.GetTransactionType();
}

// The import keeps such a row, with an empty date.
constexpr const char* kUndatedNote = "No date: imported without one";

std::string Count(int count, const char* what) {
  return std::to_string(count) + what;
}

}  // namespace

TImportPreview PreviewStatementImport(const TAccount& root, const TAccount& account,
                                      const std::vector<TCSVLineData>& rows, bool ignoreZero) {
  const std::vector<bool> before = ImportedBefore(rows, account);
  std::optional<TPatternMatcher> patterns;
  if (const TImportSettings* table = root.PatternTable()) patterns.emplace(*table);
  TImportPreview preview;
  preview.Rows.resize(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    TPreviewRow& row = preview.Rows[i];
    row.Mark = MarkOf(rows[i], before[i], ignoreZero);
    row.Note = PreviewReason(row.Mark);
    switch (row.Mark) {
      case TPreviewMark::Duplicate:
        ++preview.Duplicates;
        break;
      case TPreviewMark::ZeroAmount:
        ++preview.ZeroAmounts;
        break;
      case TPreviewMark::New:
        ++preview.NewRows;
        RecogniseRow(patterns ? &*patterns : nullptr, account, rows[i], static_cast<int>(i), row);
        if (rows[i].Date == 0) row.Note = kUndatedNote;
        break;
    }
  }
  return preview;
}

std::string PreviewReason(TPreviewMark mark) {
  switch (mark) {
    case TPreviewMark::Duplicate:
      return "Already imported";
    case TPreviewMark::ZeroAmount:
      return "Amount is 0";
    case TPreviewMark::New:
      break;
  }
  return {};
}

std::string PreviewSummary(const TImportPreview& preview, int ticked) {
  std::string summary =
      std::to_string(ticked) + " of " + Count(preview.NewRows, " new rows ticked");
  if (preview.Duplicates > 0) summary += "; " + Count(preview.Duplicates, " already imported");
  if (preview.ZeroAmounts > 0)
    summary += "; " + Count(preview.ZeroAmounts, " of amount 0 left out");
  return summary;
}

}  // namespace tf

#include "import/StatementImport.h"

#include <deque>
#include <string_view>
#include <unordered_set>

#include "base/CategoryList.h"
#include "base/Formats.h"
#include "model/Account.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"

namespace tf {
namespace {

constexpr const char* kCRLF = "\r\n";

std::string PositionCaption(const char* lead, int position, int count) {
  return lead + std::to_string(position) + " of " + std::to_string(count);
}

std::string ExplanationLines(const char* firstLine) {
  return std::string(kCRLF) + kCRLF + "\t" + firstLine + kCRLF +
         "\timported because they already exist as transactions from" + kCRLF +
         "\tprevious imports";
}

void ReportProgress(const TImportCallbacks& callbacks, const std::string& caption, int position,
                    int count) {
  if (callbacks.Progress) callbacks.Progress(caption, position, count);
}

// The statement lines the account already holds. The views point into the
// live rows, which nothing changes while the set is in use; the few values
// that are not held as text are kept in `owned`.
class TKnownLines {
 public:
  explicit TKnownLines(const TTransactions& table) {
    lines_.reserve(static_cast<std::size_t>(table.RowCount()));
    for (int i = 0; i < table.RowCount(); ++i) {
      const TBone* row = table.RowAt(i);
      if (row->Deleted) continue;
      const TBoneField* field = row->FieldAt(TTransactions::fRawLineData);
      if (const std::string* text = field->TextOrNull()) {
        lines_.insert(*text);
      } else {
        lines_.insert(owned_.emplace_back(field->AsString()));
      }
    }
  }
  bool Contains(const std::string& line) const { return lines_.contains(line); }

 private:
  std::unordered_set<std::string_view> lines_;
  std::deque<std::string> owned_;
};

TTransactions& TransactionsOf(const TAccount& account) {
  TTransactions* table =
      account.Kind() == TBoneKind::Single ? account.TransactionsTable() : nullptr;
  if (table == nullptr) throw TImportError("The statement can only be imported into an account.");
  return *table;
}

void CheckTarget(const TAccount& account) {
  TransactionsOf(account);
  if (account.Deleted) {
    throw TImportError("The account \"" + account.FieldAt(TAccount::fAccountName)->AsString() +
                       "\" has been deleted; choose another account to import into.");
  }
}

bool Skipped(const TCSVLineData& row, bool ignoreZero) {
  return row.Duplicate || (ignoreZero && row.Amount == TCurrency{});
}

bool Unticked(const std::vector<bool>& chosen, int position) {
  const auto at = static_cast<std::size_t>(position);
  return at < chosen.size() && !chosen[at];
}

}  // namespace

void FillStatementTransaction(TTransactions& transaction, const TCSVLineData& row, int position) {
  transaction.FieldAt(TTransactions::fDate)
      ->SetValue(TVariant::String(FormatDisplayDate(row.Date)));
  transaction.ClearDateCache();
  transaction.FieldAt(TTransactions::fDescription)->SetValue(TVariant::String(row.Description));
  transaction.FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(row.Amount));
  transaction.FieldAt(TTransactions::fRawLineData)->SetValue(TVariant::String(row.RawLine));
  transaction.FieldAt(TTransactions::fSortOrder)->SetValue(TVariant::Integer(position));
  transaction.SetTransactionType(row.Amount > TCurrency{} ? ttIncome : ttExpense);
}

void ApplyOwnLayoutValues(TTransactions& transaction, const TCSVLineData& row) {
  if (!row.TypeText.empty()) {
    transaction.SetTransactionType(TTransactions::TransactionTypeFromName(row.TypeText));
  }
  if (!row.MainCategoryText.empty() && !row.SubCategoryText.empty()) {
    transaction.FieldAt(TTransactions::fCategory)
        ->SetValue(TVariant::String(JoinCategory(row.MainCategoryText, row.SubCategoryText)));
  }
}

namespace {

void ImportRow(const TAccount& root, TAccount& account, const TCSVLineData& row, int position) {
  TTransactions* transaction = TransactionsOf(account).NewTransaction();
  transaction->AssignNewId();
  FillStatementTransaction(*transaction, row, position);
  if (const TImportSettings* patterns = root.PatternTable()) {
    patterns->Recognise(transaction, &account);
  }
  ApplyOwnLayoutValues(*transaction, row);
}

}  // namespace

std::string ImportButtonCaption(int rowCount) {
  return "Import " + std::to_string(rowCount) + " transactions";
}

std::string DuplicateCheckCaption(int position, int count) {
  return PositionCaption("Checking for duplicate imports...", position, count);
}

std::string ImportingCaption(int position, int count) {
  return PositionCaption("Importing...", position, count);
}

std::string DuplicatesMessage(int duplicates, int total) {
  if (duplicates <= 0) return {};
  if (duplicates == total) {
    return "No records will not be imported" +
           ExplanationLines("All entries in this import will not be ");
  }
  return std::to_string(duplicates) + " Record(s) will not be imported (Total records " +
         std::to_string(total) + ")" +
         ExplanationLines("There are entries in this import that will not be ");
}

int MarkDuplicates(std::vector<TCSVLineData>& rows, const TAccount& account,
                   const TImportCallbacks& callbacks) {
  const TKnownLines known(TransactionsOf(account));
  const int count = static_cast<int>(rows.size());
  int duplicates = 0;
  for (int i = 0; i < count; ++i) {
    ReportProgress(callbacks, DuplicateCheckCaption(i + 1, count), i + 1, count);
    TCSVLineData& row = rows[static_cast<std::size_t>(i)];
    row.Duplicate = known.Contains(row.RawLine);
    if (row.Duplicate) ++duplicates;
  }
  return duplicates;
}

std::vector<bool> ImportedBefore(const std::vector<TCSVLineData>& rows, const TAccount& account) {
  const TKnownLines known(TransactionsOf(account));
  std::vector<bool> before;
  before.reserve(rows.size());
  for (const TCSVLineData& row : rows) before.push_back(known.Contains(row.RawLine));
  return before;
}

TImportResult ImportLines(const TAccount& root, TAccount& account, std::vector<TCSVLineData>& rows,
                          bool ignoreZero, const TImportCallbacks& callbacks,
                          const std::vector<bool>& chosen) {
  CheckTarget(account);
  TImportResult result;
  result.Rows = static_cast<int>(rows.size());
  result.Duplicates = MarkDuplicates(rows, account, callbacks);
  const std::string message = DuplicatesMessage(result.Duplicates, result.Rows);
  if (!message.empty() && callbacks.Message) callbacks.Message(message);

  for (int i = 0; i < result.Rows; ++i) {
    ReportProgress(callbacks, ImportingCaption(i + 1, result.Rows), i + 1, result.Rows);
    const TCSVLineData& row = rows[static_cast<std::size_t>(i)];
    if (Skipped(row, ignoreZero)) {
      if (!row.Duplicate) ++result.SkippedZero;
      continue;
    }
    if (Unticked(chosen, i)) {
      ++result.Unticked;
      continue;
    }
    ImportRow(root, account, row, i);
    ++result.Imported;
  }
  return result;
}

void FinishImport(TAccount& root, TAccount& account, const std::function<void()>& save) {
  // Sorting comes first: running balances follow the row order.
  TransactionsOf(account).SortTransactions();
  root.RecalculateBalances();
  // Recognition may have given rows a category the list does not hold yet.
  root.RebuildCategoryList();
  if (save) save();
}

}  // namespace tf

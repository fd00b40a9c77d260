#include "workspace/TransactionListing.h"

#include <algorithm>
#include <cstring>

#include "base/Formats.h"
#include "model/Account.h"
#include "model/ModelText.h"
#include "model/Transactions.h"

namespace tf {
namespace {

char UpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether the upper-cased `text` contains `upper` (already upper-cased),
// without building the upper-cased copy: the filter runs over every row on
// every keystroke. The first letter is looked for in both cases with memchr,
// which skips most of a description at once.
bool ContainsUpper(const std::string& text, const std::string& upper) {
  const std::size_t length = upper.size();
  if (length == 0) return true;
  if (length > text.size()) return false;
  const char first = upper[0], firstLower = LowerAscii(first);
  const char* const begin = text.data();
  const char* const last = begin + (text.size() - length);  // the last possible start
  const auto matchesAt = [&](const char* at) {
    for (std::size_t k = 1; k < length; ++k)
      if (UpperAscii(at[k]) != upper[k]) return false;
    return true;
  };
  const auto search = [&](char letter) {
    for (const char* at = begin; at <= last; ++at) {
      at = static_cast<const char*>(
          std::memchr(at, letter, static_cast<std::size_t>(last - at) + 1));
      if (at == nullptr) return false;
      if (matchesAt(at)) return true;
    }
    return false;
  };
  return search(first) || (firstLower != first && search(firstLower));
}

}  // namespace

std::string TransactionFilterText(const std::string& boxText) {
  const std::string_view trimmed = Trimmed(boxText);
  if (trimmed == kTransactionFilterPlaceholder) return {};
  return UpperTrimmed(trimmed);
}

TTransactionListing::TTransactionListing(std::string filter, TDateTime from, TDateTime to,
                                         bool ignoreDates)
    : Filter_(std::move(filter)), From_(from), To_(to), IgnoreDates_(ignoreDates) {
  FilterAmount_ = ParseAmount(Filter_, 0);
  if (!Filter_.empty()) FilterDay_ = DateOf(ParseStatementDate(Filter_));
}

bool TTransactionListing::InRange(const TTransactions& row) const {
  return IgnoreDates_ || DateInRange(row.DateValue(), From_, To_);
}

bool TTransactionListing::MatchesFilter(const TTransactions& row) const {
  std::string scratch;
  if (ContainsUpper(FieldText(row.FieldAt(TTransactions::fDescription), scratch), Filter_))
    return true;
  const std::string& category = FieldText(row.FieldAt(TTransactions::fCategory), scratch);
  if (ContainsUpper(category, Filter_)) return true;
  if (Filter_ == "N/A" && category.empty()) return true;
  if (FilterAmount_ != 0 &&
      AmountsClose(FilterAmount_, row.FieldAt(TTransactions::fAmount)->AsCurrency().ToDouble()))
    return true;
  return FilterDay_ > 0 && DateOf(row.DateValue()) == FilterDay_;
}

bool TTransactionListing::IsListed(const TTransactions& row) const {
  if (row.Deleted || !InRange(row)) return false;
  return Filter_.empty() || MatchesFilter(row);
}

std::vector<TTransactions*> TTransactionListing::List(const TTransactions* table) const {
  std::vector<TTransactions*> rows;
  if (table == nullptr) return rows;
  for (int i = 0; i < table->RowCount(); ++i) {
    TTransactions* row = table->TransactionAt(i);
    if (row != nullptr && IsListed(*row)) rows.push_back(row);
  }
  return rows;
}

}  // namespace tf

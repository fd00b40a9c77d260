#include "model/PatternMatcher.h"

#include "model/Account.h"
#include "model/ImportSettings.h"
#include "model/ModelText.h"
#include "model/Transactions.h"

namespace tf {
namespace {

// Both texts upper-cased and trimmed; an empty match text is contained nowhere.
bool Matches(int matchType, const std::string& description, const std::string& match) {
  switch (matchType) {
    case mtStartsWith:
      return description.starts_with(match);
    case mtEndsWith:
      return description.ends_with(match);
    case mtExactMatch:
      return description == match;
    default:
      return !match.empty() && description.find(match) != std::string::npos;
  }
}

}  // namespace

TPatternMatcher::TPatternMatcher(const TImportSettings& patterns) {
  Patterns_.reserve(static_cast<std::size_t>(patterns.RowCount()));
  std::string scratch;
  for (int i = 0; i < patterns.RowCount(); ++i) {
    const TImportSettings* pattern = patterns.PatternAt(i);
    if (pattern == nullptr || pattern->Deleted) continue;
    TPrepared& prepared = Patterns_.emplace_back();
    prepared.AccountID = pattern->FieldAt(TImportSettings::fAccountID)->AsString();
    prepared.Match =
        UpperTrimmed(FieldText(pattern->FieldAt(TImportSettings::fMatchValue), scratch));
    prepared.MatchType = pattern->GetMatchType();
    prepared.TransactionType = pattern->GetTransactionType();
    prepared.Category = pattern->FieldAt(TImportSettings::fCategoryName)->AsString();
    prepared.GivesCategory = !Trimmed(prepared.Category).empty();
  }
}

void TPatternMatcher::Recognise(TTransactions* transaction, const TAccount* account) const {
  if (transaction == nullptr || account == nullptr || account->Kind() != TBoneKind::Single) return;
  if (transaction->FieldAt(TTransactions::fLockedForAutoMatching)->AsBool()) return;
  std::string scratch;
  const std::string description =
      UpperTrimmed(FieldText(transaction->FieldAt(TTransactions::fDescription), scratch));
  const std::string& accountId = FieldText(account->FieldAt(TAccount::fAccountID), scratch);
  for (const TPrepared& pattern : Patterns_) {
    if (!pattern.AccountID.empty() && pattern.AccountID != accountId) continue;
    if (!Matches(pattern.MatchType, description, pattern.Match)) continue;
    if (pattern.GivesCategory)
      transaction->FieldAt(TTransactions::fCategory)->SetValue(TVariant::String(pattern.Category));
    transaction->SetTransactionType(pattern.TransactionType);
    return;
  }
}

}  // namespace tf

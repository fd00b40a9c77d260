#include "workspace/TransactionRecognition.h"

#include "model/Account.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"

namespace tf {

std::string SuggestedCategory(const TAccount& root, const std::string& accountId,
                              const std::string& description) {
  const TAccount* account = root.FindAccount(accountId);
  const TImportSettings* patterns = root.PatternTable();
  if (account == nullptr || patterns == nullptr) return {};
  TTransactions probe(nullptr, TBoneKind::Single);
  probe.FieldAt(TTransactions::fDescription)->SetValue(TVariant::String(description));
  patterns->Recognise(&probe, account);
  return probe.FieldAt(TTransactions::fCategory)->AsString();
}

TImportSettings* NewPatternFromEntry(TAccount& root, const std::string& accountId,
                                     const std::string& description, const std::string& category,
                                     int type) {
  TImportSettings* pattern = root.PatternTable()->NewPattern();
  pattern->FieldAt(TImportSettings::fAccountID)->SetValue(TVariant::String(accountId));
  pattern->FieldAt(TImportSettings::fMatchValue)->SetValue(TVariant::String(description));
  pattern->SetMatchType(mtContains);
  pattern->FieldAt(TImportSettings::fCategoryName)->SetValue(TVariant::String(category));
  pattern->SetTransactionType(type);
  return pattern;
}

}  // namespace tf

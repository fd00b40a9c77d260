#include "workspace/PatternListing.h"

#include <algorithm>

#include "model/Account.h"
#include "model/ImportSettings.h"
#include "model/ModelText.h"

namespace tf {
namespace {

bool FieldContains(const TImportSettings& pattern, int field, const std::string& filter) {
  return UpperTrimmed(pattern.FieldAt(field)->AsString()).find(filter) != std::string::npos;
}

}  // namespace

std::string PatternFilterText(const std::string& boxText) {
  const std::string_view trimmed = Trimmed(boxText);
  if (trimmed == kPatternFilterPlaceholder) return {};
  return UpperTrimmed(trimmed);
}

bool IsPatternListed(const TImportSettings& pattern, const std::string& filter) {
  if (pattern.Deleted) return false;
  return filter.empty() || FieldContains(pattern, TImportSettings::fMatchValue, filter) ||
         FieldContains(pattern, TImportSettings::fCategoryName, filter);
}

std::vector<TImportSettings*> ListPatterns(const TImportSettings* table,
                                           const std::string& filter) {
  std::vector<TImportSettings*> patterns;
  if (table == nullptr) return patterns;
  for (int i = 0; i < table->RowCount(); ++i) {
    TImportSettings* pattern = table->PatternAt(i);
    if (pattern != nullptr && IsPatternListed(*pattern, filter)) patterns.push_back(pattern);
  }
  return patterns;
}

std::string PatternRecognitionText(const TImportSettings& pattern, const TAccount& root) {
  std::string text;
  TImportSettings::MatchTypeName(pattern.GetMatchType(), text);
  const std::string account =
      root.AccountNameOf(pattern.FieldAt(TImportSettings::fAccountID)->AsString());
  return text + (account.empty() ? " / all acounts" : " / " + account);
}

std::string DeletePatternQuestion(const TImportSettings& pattern) {
  return "Delete pattern(" + pattern.DisplayText() +
         ")?\r\n\t\r\n\ttip: If you hold in ctrl or alt or shift and press the \r\n"
         "\tdelete button this message will not display and the item\r\n"
         "\twill be automatically deleted";
}

int IndexAfterDelete(int deletedIndex, int listedCount) {
  if (listedCount <= 0) return -1;
  return std::clamp(deletedIndex, 0, listedCount - 1);
}

bool IsPatternEntryValid(const std::string& matchValue, int matchTypeIndex) {
  return !Trimmed(matchValue).empty() && matchTypeIndex >= 0;
}

}  // namespace tf

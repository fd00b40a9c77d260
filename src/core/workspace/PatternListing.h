// What the recognition pattern list shows: the filter rule, the
// "Recognition Type / Account" text, the delete question and the row that
// is selected after a delete; and the single-pattern editor's Ok rule.
#pragma once

#include <string>
#include <vector>

namespace tf {

class TAccount;
class TImportSettings;

inline constexpr const char* kPatternFilterPlaceholder = "filter patterns";

// The filter box's text trimmed and upper-cased; empty for the placeholder.
std::string PatternFilterText(const std::string& boxText);

// Live patterns whose match value or category contains the filter (any
// letter case), or every live pattern for an empty filter.
bool IsPatternListed(const TImportSettings& pattern, const std::string& filter);
std::vector<TImportSettings*> ListPatterns(const TImportSettings* table, const std::string& filter);

// The match type's name, " / " and the account's name, or " / all acounts"
// when the pattern names no account that exists.
std::string PatternRecognitionText(const TImportSettings& pattern, const TAccount& root);

// The confirmation asked before a pattern is deleted.
std::string DeletePatternQuestion(const TImportSettings& pattern);

// The list index to select after deleting the row at `deletedIndex` when
// `listedCount` patterns remain listed: the same place, or the last
// pattern; -1 when none is left.
int IndexAfterDelete(int deletedIndex, int listedCount);

// More than blanks to look for, and a chosen match type.
bool IsPatternEntryValid(const std::string& matchValue, int matchTypeIndex);

}  // namespace tf

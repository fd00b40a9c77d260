// The transaction editor's two uses of the recognition patterns: the
// category suggested for a typed description, and a new pattern made from
// the description and category being entered.
#pragma once

#include <string>

namespace tf {

class TAccount;
class TImportSettings;

// The category the root's patterns give a transaction of this account with
// this description; empty without an account of that ID or without a
// matching pattern that names a category.
std::string SuggestedCategory(const TAccount& root, const std::string& accountId,
                              const std::string& description);

// A new pattern at the end of the root's pattern table: for the account,
// looking for the description with "Contains", giving the category and type.
TImportSettings* NewPatternFromEntry(TAccount& root, const std::string& accountId,
                                     const std::string& description, const std::string& category,
                                     int type);

}  // namespace tf

// The recognition patterns of a table made ready for matching: the live
// patterns with their texts upper-cased and trimmed once, so that running
// them over many transactions does not prepare them again for every row.
#pragma once

#include <string>
#include <vector>

namespace tf {

class TAccount;
class TImportSettings;
class TTransactions;

class TPatternMatcher {
 public:
  // Takes the patterns as they are now; later changes to the table are not seen.
  explicit TPatternMatcher(const TImportSettings& patterns);

  // The first live pattern that matches gives the transaction its category
  // (unless the pattern's is blank) and its type. Locked transactions, and
  // calls without a transaction or an account row, change nothing.
  void Recognise(TTransactions* transaction, const TAccount* account) const;

 private:
  struct TPrepared {
    std::string AccountID;  // empty: every account
    std::string Match;      // upper-cased and trimmed
    int MatchType = 0;
    std::string Category;        // as stored
    bool GivesCategory = false;  // a blank category keeps the transaction's
    int TransactionType = 1;
  };

  std::vector<TPrepared> Patterns_;
};

}  // namespace tf

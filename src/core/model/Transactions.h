// One account's transactions: the table class and the class of each row, with
// the type codes, the cached parsed date and the sums budgets and reports use.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/MoneySum.h"
#include "store/Bone.h"

namespace tf {

class TAccount;

enum TTransactionType { ttIncome = 0, ttExpense = 1, ttTransfer = 2, ttDeposit = 3 };

// Category selectors of the sums: every row, and the uncategorised rows.
inline const std::string kSelectAllCategories = std::string(1, '\x01');
inline const std::string kSelectUncategorised = std::string(1, '\x02');

class TTransactions : public TBone {
 public:
  static constexpr std::uint8_t kClassTag = 2;
  enum : int {
    fTransactionID = 0,
    fDate,
    fDescription,
    fCategory,
    fAmount,
    fBalance,
    fRawLineData,
    fTransactionType,
    fSortOrder,
    fParentTransactionID,
    fLockedForAutoMatching
  };
  using TEditor = std::function<bool(TTransactions& row, void* ownerWindow)>;
  static TEditor& Editor();

  explicit TTransactions(TBone* owner = nullptr, TBoneKind kind = TBoneKind::List);

  TBone* NewRow(TBoneKind kind) override;
  bool Edit(void* ownerWindow) override;
  bool LoadsChildTables() const override { return false; }

  TTransactions* NewTransaction(TBoneKind kind = TBoneKind::Single);
  TTransactions* TransactionAt(int index) const;
  void MoveTransaction(int from, int to) { MoveRow(from, to); }

  // The parsed "Date", cached; 0 when it does not parse. Whoever changes the
  // date of an existing row calls ClearDateCache.
  double DateValue() const;
  void ClearDateCache() { DateCache_ = 0; }
  // Year, month and day of DateValue, from the same cache.
  void DecodedDate(int& year, int& month, int& day) const;

  void AssignNewId();
  int GetTransactionType() const;
  void SetTransactionType(int code);
  std::string TransactionTypeName() const;
  static int TransactionTypeFromName(const std::string& name);
  std::string OfxTransactionType() const;
  // "AccountID" of the owning account; empty when there is none.
  std::string OwnerAccountId() const;
  std::string CompactId() const;
  std::string MainCategory() const;
  std::string SubCategory() const;

  void SortTransactions();
  void SortWith(const TRowCompare& compare) { SortRows(compare); }
  // Sums of the live rows; year, month or day 0 means any. With a year and a
  // month only that month's rows are visited, found through Global().MonthIndex.
  double SumByType(int year, int month, int day, int type) const;
  double SumCategory(int year, int month, int day, int type, const std::string& selector,
                     bool mainCategory) const;
  double SumCategoryAllRows(int year, int month, int day, int type, const std::string& selector,
                            bool mainCategory) const;
  // SumCategory before it becomes a Double, for callers that add sums up.
  TMoneySum SumCategoryExact(int year, int month, int day, int type, const std::string& selector,
                             bool mainCategory) const;
  // SumCategoryExact of every selector, each row visited once: what a
  // category pie needs, where one call per category would visit every row
  // fifty times.
  std::vector<TMoneySum> SumCategoriesExact(int year, int month, int day, int type,
                                            const std::vector<std::string>& selectors,
                                            bool mainCategory) const;
  std::string CategoryList(bool expense, bool income) const;
  // The root's patterns over every row (deleted ones included).
  void ApplyRecognition(const TAccount* owner);

  // Calendar day of DateValue, then "SortOrder".
  static int CompareTransactions(const TBone* a, const TBone* b);

 private:
  const std::string* OwnerAccountIdText() const;
  bool PassesRowTest(int year, int month, int day, int type) const;
  std::pair<int, int> RowsToVisit(int year, int month) const;
  TMoneySum SumRows(int first, int last, int year, int month, int day, int type,
                    const std::string* selector, bool mainCategory) const;

  mutable double DateCache_ = 0;
  mutable int CachedYear_ = 0, CachedMonth_ = 0, CachedDay_ = 0;  // valid with DateCache_
};

}  // namespace tf

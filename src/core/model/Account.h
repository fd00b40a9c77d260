// The accounts: the root of the data file and the class of each account row.
// Every account object owns a transactions, a budget and a pattern table, in
// that order; the root's list fields hold the file-wide values.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/MoneySum.h"
#include "store/Bone.h"

namespace tf {

class TTransactions;
class TBudget;
class TImportSettings;
class TCategoryList;
class TMonthIndex;

class TAccount : public TBone {
 public:
  static constexpr std::uint8_t kClassTag = 1;
  enum : int {
    fAccountID = 0,
    fAccountName,
    fAccountType,
    fStartingBalance,
    fOverdraft,
    fNotes,
    fBalance
  };
  enum : int {
    lfPassword = 0,
    lfCategories,
    lfStartDate,
    lfEndDate,
    lfIgnoreDates,
    lfAccountColour,
    lfCustomCategories
  };
  using TEditor = std::function<bool(TAccount& row, void* ownerWindow)>;
  static TEditor& Editor();

  explicit TAccount(TBone* owner = nullptr, TBoneKind kind = TBoneKind::List);

  TBone* NewRow(TBoneKind kind) override;
  TBone* NewChild(TBoneKind kind) override;
  void AfterRead() override;
  bool Edit(void* ownerWindow) override;

  TAccount* NewAccount(TBoneKind kind = TBoneKind::Single);
  TAccount* AccountAt(int index) const;
  void MoveAccount(int from, int to) { MoveRow(from, to); }
  TTransactions* TransactionsTable(int index = 0) const;
  void MoveTransactionsTable(int from, int to) { MoveChild(from, to); }
  TBudget* BudgetTable(int index = 1) const;
  void MoveBudgetTable(int from, int to) { MoveChild(from, to); }
  TImportSettings* PatternTable(int index = 2) const;
  void MovePatternTable(int from, int to) { MoveChild(from, to); }

  // "AccountID" := a new GUID, always replacing the old one.
  void AssignNewId();
  // Running balances: on a row its transactions in row order; on the root every account.
  void RecalculateBalances();
  // Live transactions' amounts; on the root over every account, deleted ones included.
  double TotalAmount() const;
  TMoneySum TotalAmountExact() const;
  // Income plus expense sums; on the root over the live accounts.
  double SumCategory(int year, int month, int day, const std::string& selector,
                     bool mainCategory) const;
  TMoneySum SumCategoryExact(int year, int month, int day, const std::string& selector,
                             bool mainCategory) const;
  // SumCategoryExact of every selector, each row visited once per type.
  std::vector<TMoneySum> SumCategoriesExact(int year, int month, int day,
                                            const std::vector<std::string>& selectors,
                                            bool mainCategory) const;
  TAccount* FindAccount(const std::string& accountId) const;
  std::string AccountNameOf(const std::string& accountId) const;
  void SortAccounts();
  int AccountTypeIndex() const;
  std::string OfxAccountType() const;
  std::string CompactId() const;
  void ApplyRecognition();
  // On the root: refills the attached category list from the custom list (or
  // the defaults) and every category in use; nothing without a list.
  void RebuildCategoryList();
  // The category list and month index kept for this tree, set once on the
  // root by whoever owns them. A tree without them (a tool's, a test's) sums
  // by visiting every row.
  void AttachLists(TCategoryList* categories, TMonthIndex* monthIndex);
  // The root's attached lists; nullptr when none were attached.
  TCategoryList* Categories() const;
  TMonthIndex* MonthIndex() const;
  std::string AllDescriptions() const;
  // One OFX statement per live account into `folder`; the paths written.
  std::vector<std::string> ExportOfx(const std::string& folder) const;

  // Type text, then name, both ignoring case.
  static int CompareAccounts(const TBone* a, const TBone* b);
  // The topmost account object above `bone` (or `bone` itself): the root.
  static const TAccount* RootOf(const TBone* bone);

 private:
  TCategoryList* Categories_ = nullptr;
  TMonthIndex* MonthIndex_ = nullptr;
};

// The account rows of the root without the Deleted mark, in table order.
std::vector<TAccount*> LiveAccounts(const TAccount& root);

}  // namespace tf

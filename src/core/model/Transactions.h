// One account's transactions: the table class and the class of each row, with
// the type codes, the cached parsed date and the sums budgets and reports use.
#pragma once

#include <functional>
#include <string>

#include "store/Bone.h"

namespace tf {

class TAccount;

enum TTransactionType { ttIncome = 0, ttExpense = 1, ttTransfer = 2, ttDeposit = 3 };

class TTransactions : public TBone {
 public:
  enum : int {
    fTransactionID = 0, fDate, fDescription, fCategory, fAmount, fBalance, fRawLineData,
    fTransactionType, fSortOrder, fParentTransactionID, fLockedForAutoMatching
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

 private:
  mutable double DateCache_ = 0;
};

}  // namespace tf

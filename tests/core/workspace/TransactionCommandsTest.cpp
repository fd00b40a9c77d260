#include <gtest/gtest.h>

#include "WorkspaceFixture.h"
#include "base/CategoryList.h"
#include "base/Formats.h"
#include "workspace/TransactionCommands.h"

namespace tf::testing {
namespace {

std::string Text(const TBone& row, int field) {
  return row.FieldAt(field)->AsString();
}
double Amount(const TTransactions& row) {
  return row.FieldAt(TTransactions::fAmount)->AsCurrency().ToDouble();
}

struct TransactionCommandsTest : WorkspaceTest {
  TAccount* cheque = nullptr;
  TAccount* card = nullptr;
  void SetUp() override {
    WorkspaceTest::SetUp();
    cheque = AddAccount("Cheque", "{A}");
    card = AddAccount("Card", "{B}");
  }
  TTransactions* Add(TAccount& account, const std::string& date, const std::string& description,
                     double amount, int type = ttExpense, const std::string& id = "") {
    TTransactions* row = AddTransaction(account, date, description, amount, "Food - groceries");
    row->SetTransactionType(type);
    row->FieldAt(TTransactions::fTransactionID)->SetValue(TVariant::String(id));
    return row;
  }
  static std::vector<bool> DeletedMarks(const std::vector<TTransactions*>& rows) {
    std::vector<bool> marks;
    for (const TTransactions* row : rows) marks.push_back(row->Deleted);
    return marks;
  }
};

TEST(TransactionCommandTexts, QuestionsAndMessages) {
  EXPECT_EQ(
      std::string(kDeleteTransactionsQuestion),
      "Delete transaction(s)?\r\n\t\r\n\ttip: If you hold in ctrl or alt or shift and press the "
      "\r\n\tdelete button this message will not display and the item\r\n\twill be "
      "automatically deleted");
  EXPECT_EQ(DeleteAccountQuestion("Cheque"),
            "Delete account(Cheque)?\r\n\t\r\n\ttip: If you hold in ctrl or alt or shift and press "
            "the \r\n\tdelete button this message will not display and the item\r\n\twill be "
            "automatically deleted");
  EXPECT_EQ(DuplicatesRemovedMessage(3), "3 Duplicate(s) has been removed ");
  EXPECT_EQ(DuplicatesRemovedMessage(12), "12 Duplicate(s) has been removed ");
}

TEST_F(TransactionCommandsTest, TheClipboardTextHasFiveTabbedValuesAndNoLineBreak) {
  TTransactions* row = Add(*cheque, "02 Mar 2010", "WOOLWORTHS", -1234.5);
  row->FieldAt(TTransactions::fBalance)->SetValue(TVariant::Currency(TCurrency::FromUnits(250)));
  EXPECT_EQ(TransactionClipboardText(*row, Global().NumberFormat()),
            "02 Mar 2010\tWOOLWORTHS\tFood - groceries\t-1,234.50\t250.00");
}

TEST_F(TransactionCommandsTest, CopyFillsTheSlotWithTheIdAndNoBalance) {
  TTransactions* row = Add(*cheque, "02 Mar 2010", "Shop", -20, ttExpense, "{T1}");
  row->FieldAt(TTransactions::fBalance)->SetValue(TVariant::Currency(TCurrency::FromUnits(99)));
  TTransactions slot(nullptr, TBoneKind::Single);
  slot.Deleted = true;
  CopyToSlot(*row, slot, false);
  EXPECT_FALSE(slot.Deleted);
  EXPECT_EQ(Text(slot, TTransactions::fTransactionID), "{T1}");
  EXPECT_EQ(Text(slot, TTransactions::fDescription), "Shop");
  EXPECT_EQ(Amount(slot), -20);
  EXPECT_EQ(slot.FieldAt(TTransactions::fBalance)->AsCurrency().Raw, 0);
  EXPECT_EQ(slot.GetTransactionType(), ttExpense);
  EXPECT_EQ(slot.DateValue(), ParseStatementDate("02 Mar 2010"));
}

TEST_F(TransactionCommandsTest, CopyAsDepositMakesOnlyANegativeAmountPositive) {
  const struct {
    double amount;
    double copied;
  } cases[] = {{-500, 500}, {200, 200}, {0, 0}};
  for (const auto& c : cases) {
    TTransactions slot(nullptr, TBoneKind::Single);
    CopyToSlot(*Add(*cheque, "02 Mar 2010", "Transfer", c.amount, ttTransfer), slot, true);
    EXPECT_EQ(Amount(slot), c.copied) << c.amount;
    EXPECT_EQ(slot.GetTransactionType(), ttDeposit);
  }
}

TEST_F(TransactionCommandsTest, ANewRowGetsTheDateAndAnId) {
  TTransactions* row =
      NewDatedTransaction(*cheque->TransactionsTable(), ParseStatementDate("09 Apr 2011"));
  EXPECT_EQ(Text(*row, TTransactions::fDate), "09 Apr 2011");
  EXPECT_FALSE(Text(*row, TTransactions::fTransactionID).empty());
  EXPECT_EQ(cheque->TransactionsTable()->TransactionAt(0), row);
}

TEST_F(TransactionCommandsTest, DuplicateToDateCopiesEachSourceWithANewIdAndTheDate) {
  TTransactions* a = Add(*cheque, "02 Mar 2010", "Rent", -100, ttTransfer, "{T1}");
  TTransactions* b = Add(*cheque, "03 Mar 2010", "Fuel", -50, ttExpense, "{T2}");
  const auto copies =
      DuplicateToDate(*cheque->TransactionsTable(), {a, b}, ParseStatementDate("01 Apr 2010"));
  ASSERT_EQ(copies.size(), 2u);
  EXPECT_EQ(cheque->TransactionsTable()->RowCount(), 4);
  EXPECT_EQ(Text(*copies[0], TTransactions::fDescription), "Rent");
  EXPECT_EQ(copies[0]->GetTransactionType(), ttTransfer);
  EXPECT_EQ(Amount(*copies[0]), -100);
  EXPECT_EQ(Text(*copies[1], TTransactions::fDescription), "Fuel");
  for (const TTransactions* copy : copies) {
    EXPECT_EQ(Text(*copy, TTransactions::fDate), "01 Apr 2010");
    EXPECT_EQ(copy->DateValue(), ParseStatementDate("01 Apr 2010"));
    EXPECT_NE(Text(*copy, TTransactions::fTransactionID), "{T1}");
    EXPECT_NE(Text(*copy, TTransactions::fTransactionID), "{T2}");
  }
  EXPECT_NE(Text(*copies[0], TTransactions::fTransactionID),
            Text(*copies[1], TTransactions::fTransactionID));
  EXPECT_EQ(Text(*a, TTransactions::fDate), "02 Mar 2010");
}

TEST_F(TransactionCommandsTest, ADropIsRefusedOnTheOwnAccountOnly) {
  TTransactions* row = Add(*cheque, "02 Mar 2010", "Shop", -20);
  EXPECT_TRUE(AcceptsDragCopy(row, card));
  EXPECT_FALSE(AcceptsDragCopy(row, cheque));
  EXPECT_FALSE(AcceptsDragCopy(nullptr, card));
  EXPECT_FALSE(AcceptsDragCopy(row, nullptr));
}

TEST_F(TransactionCommandsTest, ADraggedTransferArrivesAsTheMatchingDeposit) {
  const struct {
    int type;
    double amount;
    int copiedType;
    double copiedAmount;
  } cases[] = {
      {ttTransfer, -50, ttDeposit, 50},
      {ttTransfer, 50, ttDeposit, -50},
      {ttExpense, -50, ttExpense, -50},
      {ttIncome, 75, ttIncome, 75},
  };
  for (const auto& c : cases) {
    TTransactions* source = Add(*cheque, "02 Mar 2010", "Move", c.amount, c.type, "{S}");
    const auto copies = CopyToAccount({source}, *card);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0]->OwnerAccountId(), "{B}");
    EXPECT_EQ(copies[0]->GetTransactionType(), c.copiedType) << c.type << " " << c.amount;
    EXPECT_EQ(Amount(*copies[0]), c.copiedAmount) << c.type << " " << c.amount;
    EXPECT_NE(Text(*copies[0], TTransactions::fTransactionID), "{S}");
    EXPECT_EQ(Amount(*source), c.amount);
    EXPECT_EQ(source->GetTransactionType(), c.type);
  }
}

TEST_F(TransactionCommandsTest, ADragCopySkipsRowsAlreadyInTheTarget) {
  TTransactions* own = Add(*card, "02 Mar 2010", "Own", -1);
  TTransactions* other = Add(*cheque, "02 Mar 2010", "Other", -2);
  const auto copies = CopyToAccount({own, other}, *card);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(Text(*copies[0], TTransactions::fDescription), "Other");
  EXPECT_EQ(card->TransactionsTable()->RowCount(), 2);
}

TEST_F(TransactionCommandsTest, ByDateAndAmountTheLowestOfThreeSameDayRowsStays) {
  std::vector<TTransactions*> listed = {
      Add(*cheque, "02 Mar 2010", "Shop A", -20), Add(*cheque, "02 Mar 2010", "Shop B", -20),
      Add(*cheque, "03 Mar 2010", "Shop A", -20), Add(*cheque, "02 Mar 2010", "Shop C", -20),
      Add(*cheque, "02 Mar 2010", "Shop D", -21)};
  EXPECT_EQ(RemoveDuplicates(listed, TDuplicateRule::DateAndAmount), 2);
  EXPECT_EQ(DeletedMarks(listed), (std::vector<bool>{true, true, false, false, false}));
  EXPECT_EQ(RemoveDuplicates(listed, TDuplicateRule::DateAndAmount), 0);
}

TEST_F(TransactionCommandsTest, ByDescriptionTheTextIsComparedWithoutCaseAndBlanks) {
  std::vector<TTransactions*> listed = {Add(*cheque, "02 Mar 2010", "  woolworths ", -20),
                                        Add(*cheque, "02 Mar 2010", "WOOLWORTHS", -20),
                                        Add(*cheque, "02 Mar 2010", "Woolworths Sandton", -20),
                                        Add(*cheque, "02 Mar 2010", "woolworths", -30)};
  EXPECT_EQ(RemoveDuplicates(listed, TDuplicateRule::DateDescriptionAndAmount), 1);
  EXPECT_EQ(DeletedMarks(listed), (std::vector<bool>{true, false, false, false}));
}

TEST_F(TransactionCommandsTest, RowsAlreadyDeletedTakeNoPartInDuplicateRemoval) {
  TTransactions* gone = Add(*cheque, "02 Mar 2010", "Shop", -20);
  gone->Deleted = true;
  std::vector<TTransactions*> listed = {Add(*cheque, "02 Mar 2010", "Shop", -20), gone};
  EXPECT_EQ(RemoveDuplicates(listed, TDuplicateRule::DateAndAmount), 0);
  EXPECT_FALSE(listed[0]->Deleted);
}

TEST_F(TransactionCommandsTest, CategoryLockAndDeleteActOnEveryRowOfTheBlock) {
  std::vector<TTransactions*> rows = {Add(*cheque, "02 Mar 2010", "A", -1),
                                      Add(*cheque, "02 Mar 2010", "B", -1)};
  rows[1]->FieldAt(TTransactions::fLockedForAutoMatching)->SetValue(TVariant::Bool(true));
  AssignCategory(rows, "");
  for (const TTransactions* row : rows) EXPECT_EQ(Text(*row, TTransactions::fCategory), "");
  AssignCategory(rows, "Home - rent");
  for (const TTransactions* row : rows)
    EXPECT_EQ(Text(*row, TTransactions::fCategory), "Home - rent");
  ToggleRecognitionLock(rows);
  EXPECT_TRUE(rows[0]->FieldAt(TTransactions::fLockedForAutoMatching)->AsBool());
  EXPECT_FALSE(rows[1]->FieldAt(TTransactions::fLockedForAutoMatching)->AsBool());
  MarkDeleted(rows);
  EXPECT_EQ(DeletedMarks(rows), (std::vector<bool>{true, true}));
}

TEST(AssignedCategory, JoinsMainAndSubExceptForNa) {
  EXPECT_EQ(AssignedCategory("Food", "groceries"), "Food - groceries");
  EXPECT_EQ(AssignedCategory(" Food ", " take away "), "Food - take away");
  EXPECT_EQ(AssignedCategory("Assign to...", "n/a"), "");
}

TEST(CategoryMenuGroups, MainsInListOrderWithTheirSubs) {
  TCategoryList list;
  for (const char* entry : {"Food - groceries", "Food - take away", "Salary", "Home - rent"})
    list.Add(entry);
  const auto groups = CategoryMenuGroups(list);
  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(groups[0].Main, "Food");
  EXPECT_EQ(groups[0].Subs, (std::vector<std::string>{"groceries", "take away"}));
  EXPECT_EQ(groups[1].Main, "Home");
  EXPECT_EQ(groups[2].Main, "Salary");
  EXPECT_EQ(groups[2].Subs, (std::vector<std::string>{"Salary"}));
  EXPECT_TRUE(CategoryMenuGroups(TCategoryList()).empty());
}

TEST_F(TransactionCommandsTest, ThePopupOffersCopyForOneRowAndPasteWhenTheSlotIsFilled) {
  TTransactions* expense = Add(*cheque, "02 Mar 2010", "A", -1, ttExpense);
  TTransactions* transfer = Add(*cheque, "02 Mar 2010", "B", -1, ttTransfer);
  TTransactions empty(nullptr, TBoneKind::Single), filled(nullptr, TBoneKind::Single);
  empty.Deleted = true;
  using S = TTransactionMenuState;
  EXPECT_EQ(TransactionMenuState(expense, true, true, empty), (S{true, false, false}));
  EXPECT_EQ(TransactionMenuState(transfer, true, true, empty), (S{true, true, false}));
  EXPECT_EQ(TransactionMenuState(transfer, false, true, filled), (S{false, false, true}));
  EXPECT_EQ(TransactionMenuState(nullptr, true, true, filled), (S{false, false, true}));
  EXPECT_EQ(TransactionMenuState(nullptr, true, false, filled), (S{false, false, false}));
}

TEST(RowAfterDelete, StaysInPlaceOrMovesToTheLastRow) {
  EXPECT_EQ(RowAfterDelete(2, 5), 2);
  EXPECT_EQ(RowAfterDelete(4, 4), 3);
  EXPECT_EQ(RowAfterDelete(0, 1), 0);
  EXPECT_EQ(RowAfterDelete(3, 0), 0);
}

}  // namespace
}  // namespace tf::testing

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ImportTestSupport.h"
#include "app/Global.h"
#include "import/StatementImport.h"
#include "import/TallyfoldCSVParser.h"
#include "model/Account.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"

namespace tf::test {
namespace {

const std::string kAllDuplicates =
    "No records will not be imported\r\n\r\n"
    "\tAll entries in this import will not be \r\n"
    "\timported because they already exist as transactions from\r\n"
    "\tprevious imports";
const std::string kSomeDuplicates =
    "3 Record(s) will not be imported (Total records 25)\r\n\r\n"
    "\tThere are entries in this import that will not be \r\n"
    "\timported because they already exist as transactions from\r\n"
    "\tprevious imports";

TCSVLineData Row(int day, const std::string& description, const std::string& amount) {
  TCSVLineData row;
  row.Date = day > 0 ? EncodeDate(2008, 1, day) : 0;
  row.Description = description;
  row.Amount = Money(amount);
  row.RawLine = "200801" + std::to_string(100 + day).substr(1) + "," + description + "," + amount;
  return row;
}

std::string Text(const TBone* row, int field) {
  return row->FieldAt(field)->AsString();
}

class StatementImport : public ::testing::Test {
 protected:
  StatementImport() {
    Cheque = AddAccount("{00000000-0000-0000-0000-00000000000A}", "Cheque");
    Savings = AddAccount("{00000000-0000-0000-0000-00000000000B}", "Savings");
  }

  TAccount* AddAccount(const std::string& id, const std::string& name) {
    TAccount* account = Root.NewAccount();
    account->FieldAt(TAccount::fAccountID)->SetValue(TVariant::String(id));
    account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String(name));
    return account;
  }

  TImportSettings* AddPattern(const std::string& text, int matchType, const std::string& category,
                              int type, const std::string& accountId = "") {
    TImportSettings* pattern = Root.PatternTable()->NewPattern();
    pattern->FieldAt(TImportSettings::fAccountID)->SetValue(TVariant::String(accountId));
    pattern->FieldAt(TImportSettings::fMatchValue)->SetValue(TVariant::String(text));
    pattern->SetMatchType(matchType);
    pattern->FieldAt(TImportSettings::fCategoryName)->SetValue(TVariant::String(category));
    pattern->SetTransactionType(type);
    return pattern;
  }

  TImportResult Import(TAccount* account, std::vector<TCSVLineData> rows, bool ignoreZero = true) {
    TImportCallbacks callbacks;
    callbacks.Message = [this](const std::string& text) { Messages.push_back(text); };
    callbacks.Progress = [this](const std::string& caption, int, int) {
      Captions.push_back(caption);
    };
    return ImportLines(Root, *account, rows, ignoreZero, callbacks);
  }

  static int Count(const TAccount* account) { return account->TransactionsTable()->RowCount(); }
  static TTransactions* At(const TAccount* account, int i) {
    return account->TransactionsTable()->TransactionAt(i);
  }

  TAccount Root;
  TAccount* Cheque = nullptr;
  TAccount* Savings = nullptr;
  std::vector<std::string> Messages;
  std::vector<std::string> Captions;
};

const std::vector<TCSVLineData> kStatement = {Row(5, "SHOP 1", "-12.50"), Row(6, "SALARY", "1000"),
                                              Row(7, "RENT", "-500")};

TEST_F(StatementImport, CreatesOneTransactionPerRowWithTheStatementValues) {
  const TImportResult result = Import(Cheque, {Row(5, "SHOP 1", "-12.50"), Row(0, "NO DATE", "3")});

  EXPECT_EQ(result.Rows, 2);
  EXPECT_EQ(result.Imported, 2);
  ASSERT_EQ(Count(Cheque), 2);
  const TTransactions* shop = At(Cheque, 0);
  EXPECT_EQ(Text(shop, TTransactions::fTransactionID).size(), 38u);
  EXPECT_EQ(Text(shop, TTransactions::fDate), "05 Jan 2008");
  EXPECT_EQ(Text(shop, TTransactions::fDescription), "SHOP 1");
  EXPECT_EQ(shop->FieldAt(TTransactions::fAmount)->AsCurrency(), Money("-12.50"));
  EXPECT_EQ(Text(shop, TTransactions::fRawLineData), "20080105,SHOP 1,-12.50");
  EXPECT_EQ(shop->GetTransactionType(), ttExpense);
  EXPECT_EQ(shop->FieldAt(TTransactions::fSortOrder)->AsInteger(), 0);

  const TTransactions* undated = At(Cheque, 1);
  EXPECT_EQ(Text(undated, TTransactions::fDate), "");
  EXPECT_EQ(undated->GetTransactionType(), ttIncome);
  EXPECT_EQ(undated->FieldAt(TTransactions::fSortOrder)->AsInteger(), 1);
  EXPECT_NE(Text(shop, TTransactions::fTransactionID),
            Text(undated, TTransactions::fTransactionID));
  EXPECT_TRUE(Messages.empty());
}

TEST_F(StatementImport, TheSameStatementTwiceImportsNothingTheSecondTime) {
  Import(Cheque, kStatement);
  const TImportResult second = Import(Cheque, kStatement);

  EXPECT_EQ(second.Duplicates, 3);
  EXPECT_EQ(second.Imported, 0);
  EXPECT_EQ(Count(Cheque), 3);
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], kAllDuplicates);
}

TEST_F(StatementImport, OnlyTheTargetAccountIsSearched) {
  Import(Cheque, kStatement);
  const TImportResult other = Import(Savings, kStatement);

  EXPECT_EQ(other.Duplicates, 0);
  EXPECT_EQ(Count(Savings), 3);
}

TEST_F(StatementImport, IdenticalLinesOfOneStatementAreBothImportedAndLaterBothSkipped) {
  const TCSVLineData twin = Row(9, "ATM", "-100");
  EXPECT_EQ(Import(Cheque, {twin, twin}).Imported, 2);

  std::vector<TCSVLineData> again = {twin, Row(10, "NEW", "-1"), twin};
  const TImportResult result = Import(Cheque, again);
  EXPECT_EQ(result.Duplicates, 2);
  EXPECT_EQ(result.Imported, 1);
  EXPECT_EQ(Count(Cheque), 3);
}

TEST_F(StatementImport, DeletedTransactionsDoNotCountAsImported) {
  Import(Cheque, kStatement);
  At(Cheque, 1)->Deleted = true;

  const TImportResult result = Import(Cheque, kStatement);
  EXPECT_EQ(result.Duplicates, 2);
  ASSERT_EQ(Count(Cheque), 4);
  EXPECT_EQ(Text(At(Cheque, 3), TTransactions::fDescription), "SALARY");
  EXPECT_FALSE(At(Cheque, 3)->Deleted);
}

TEST_F(StatementImport, LinesCompareAsExactText) {
  Import(Cheque, {Row(5, "shop", "-1")});
  std::vector<TCSVLineData> rows = {Row(5, "SHOP", "-1"), Row(5, "shop ", "-1")};
  EXPECT_EQ(MarkDuplicates(rows, *Cheque, {}), 0);
  EXPECT_FALSE(rows[0].Duplicate);
  EXPECT_FALSE(rows[1].Duplicate);
}

TEST_F(StatementImport, SomeDuplicatesKeepTheRowPositionsAsSortOrder) {
  std::vector<TCSVLineData> rows;
  for (int day = 1; day <= 25; ++day) rows.push_back(Row(day, "ITEM " + std::to_string(day), "-1"));
  Import(Cheque, {rows[3], rows[10], rows[24]});
  Messages.clear();

  const TImportResult result = Import(Cheque, rows);
  EXPECT_EQ(result.Duplicates, 3);
  EXPECT_EQ(result.Imported, 22);
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], kSomeDuplicates);
  std::vector<int> sortOrders;
  for (int i = 3; i < Count(Cheque); ++i) {
    sortOrders.push_back(At(Cheque, i)->FieldAt(TTransactions::fSortOrder)->AsInteger());
  }
  std::vector<int> expected;
  for (int i = 0; i < 25; ++i) {
    if (i != 3 && i != 10 && i != 24) expected.push_back(i);
  }
  EXPECT_EQ(sortOrders, expected);
}

TEST_F(StatementImport, ZeroRowsFollowTheIgnoreChoice) {
  const std::vector<TCSVLineData> rows = {Row(5, "FEE", "0"), Row(6, "UNREADABLE", "0"),
                                          Row(7, "SHOP", "-2")};
  const TImportResult ignored = Import(Cheque, rows, true);
  EXPECT_EQ(ignored.SkippedZero, 2);
  EXPECT_EQ(ignored.Imported, 1);
  EXPECT_EQ(Count(Cheque), 1);

  const TImportResult kept = Import(Savings, rows, false);
  EXPECT_EQ(kept.SkippedZero, 0);
  ASSERT_EQ(Count(Savings), 3);
  EXPECT_EQ(At(Savings, 0)->GetTransactionType(), ttExpense);
  EXPECT_EQ(At(Savings, 0)->FieldAt(TTransactions::fAmount)->AsCurrency(), TCurrency{});
}

TEST_F(StatementImport, RecognitionCategorisesTheNewTransactions) {
  AddPattern("shop", mtStartsWith, "Food - groceries", ttExpense);
  AddPattern("SALARY", mtExactMatch, "Salary", ttTransfer,
             "{00000000-0000-0000-0000-00000000000B}");
  Import(Cheque, kStatement);

  EXPECT_EQ(Text(At(Cheque, 0), TTransactions::fCategory), "Food - groceries");
  // The salary pattern belongs to another account.
  EXPECT_EQ(Text(At(Cheque, 1), TTransactions::fCategory), "");
  EXPECT_EQ(At(Cheque, 1)->GetTransactionType(), ttIncome);
  EXPECT_EQ(Text(At(Cheque, 2), TTransactions::fCategory), "");
}

TEST_F(StatementImport, OwnLayoutTypeAndCategoryOverrideRecognition) {
  AddPattern("LUNCH", mtContains, "Eating out", ttExpense);
  TTallyfoldCSVParser parser;
  for (const char* line : {R"("05 Jan 2008","Transfer","LUNCH","Food","groceries","-50","0")",
                           R"("06 Jan 2008","","LUNCH","Food","","-20","0")",
                           R"("07 Jan 2008","deposit","LUNCH","","","20","0")"}) {
    parser.ParseLine(line, parser.Lines.emplace_back());
  }
  Import(Cheque, parser.Lines);

  ASSERT_EQ(Count(Cheque), 3);
  EXPECT_EQ(At(Cheque, 0)->GetTransactionType(), ttTransfer);
  EXPECT_EQ(Text(At(Cheque, 0), TTransactions::fCategory), "Food - groceries");
  EXPECT_EQ(At(Cheque, 1)->GetTransactionType(), ttExpense);
  EXPECT_EQ(Text(At(Cheque, 1), TTransactions::fCategory), "Eating out");
  EXPECT_EQ(At(Cheque, 2)->GetTransactionType(), ttDeposit);
  EXPECT_EQ(Text(At(Cheque, 2), TTransactions::fCategory), "Eating out");
}

TEST_F(StatementImport, ProgressNamesEachRowOfBothPasses) {
  Import(Cheque, kStatement);
  const std::vector<std::string> expected = {"Checking for duplicate imports...1 of 3",
                                             "Checking for duplicate imports...2 of 3",
                                             "Checking for duplicate imports...3 of 3",
                                             "Importing...1 of 3",
                                             "Importing...2 of 3",
                                             "Importing...3 of 3"};
  EXPECT_EQ(Captions, expected);
}

TEST_F(StatementImport, TargetMustBeALiveAccount) {
  std::vector<TCSVLineData> rows = kStatement;
  EXPECT_THROW(ImportLines(Root, Root, rows, true, {}), TImportError);
  Savings->Deleted = true;
  try {
    ImportLines(Root, *Savings, rows, true, {});
    FAIL() << "a deleted account took the import";
  } catch (const TImportError& error) {
    EXPECT_NE(std::string(error.what()).find("\"Savings\""), std::string::npos) << error.what();
  }
  EXPECT_EQ(Count(Savings), 0);
}

TEST(StatementImportTexts, CaptionsAndMessages) {
  EXPECT_EQ(ImportButtonCaption(25), "Import 25 transactions");
  struct Case {
    int duplicates, total;
    std::string message;
  };
  const Case cases[] = {
      {0, 25, ""}, {3, 25, kSomeDuplicates}, {25, 25, kAllDuplicates}, {1, 1, kAllDuplicates}};
  for (const Case& c : cases) {
    EXPECT_EQ(DuplicatesMessage(c.duplicates, c.total), c.message)
        << c.duplicates << "/" << c.total;
  }
}

// Statement rows arrive in file order, not date order; the running balances
// must still follow the dates.
TEST_F(StatementImport, FinishingSortsBeforeTheBalancesAndSaves) {
  Cheque->FieldAt(TAccount::fStartingBalance)->SetValue(TVariant::Currency(Money("100")));
  Import(Cheque, {Row(20, "LATE", "-30"), Row(2, "EARLY", "50")});
  bool saved = false;

  FinishImport(Root, *Cheque, [&] { saved = true; });

  EXPECT_TRUE(saved);
  ASSERT_EQ(Count(Cheque), 2);
  EXPECT_EQ(Text(At(Cheque, 0), TTransactions::fDescription), "EARLY");
  EXPECT_EQ(At(Cheque, 0)->FieldAt(TTransactions::fBalance)->AsCurrency(), Money("150"));
  EXPECT_EQ(At(Cheque, 1)->FieldAt(TTransactions::fBalance)->AsCurrency(), Money("120"));
  EXPECT_EQ(Cheque->FieldAt(TAccount::fBalance)->AsCurrency(), Money("120"));
}

TEST_F(StatementImport, FinishingLeavesTheMonthIndexToBeRebuilt) {
  TAccount* shared = Global().Accounts.NewAccount();
  shared->FieldAt(TAccount::fAccountID)->SetValue(TVariant::String("{SHARED}"));
  std::vector<TCSVLineData> rows = kStatement;
  ImportLines(Global().Accounts, *shared, rows, true, {});
  Global().BuildMonthIndex(false);
  ASSERT_FALSE(Global().MonthIndex.Empty());

  FinishImport(Global().Accounts, *shared, nullptr);

  // Sorting moved rows: the index knows it is stale without being told.
  EXPECT_TRUE(Global().MonthIndex.Stale());
  Global().Accounts.Rows().Clear();
}

}  // namespace
}  // namespace tf::test

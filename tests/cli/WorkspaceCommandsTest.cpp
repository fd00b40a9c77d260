// transactions, categories and recognise on a small data file written
// through the store.
#include <gtest/gtest.h>

#include <sstream>

#include "CliFixture.h"
#include "base/CategoryList.h"
#include "model/Account.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"

namespace tf::testing {
namespace {

struct TRow {
  const char* Date;
  const char* Description;
  const char* Category;
  std::int64_t Cents;
  int Type;
  bool Deleted = false;
};

void AddRows(TAccount& account, std::initializer_list<TRow> rows) {
  for (const TRow& r : rows) {
    TTransactions* t = account.TransactionsTable()->NewTransaction();
    t->FieldAt(TTransactions::fDate)->SetValue(TVariant::String(r.Date));
    t->FieldAt(TTransactions::fDescription)->SetValue(TVariant::String(r.Description));
    t->FieldAt(TTransactions::fCategory)->SetValue(TVariant::String(r.Category));
    t->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(TCurrency{r.Cents * 100}));
    t->SetTransactionType(r.Type);
    t->Deleted = r.Deleted;
  }
}

TAccount* AddAccount(TAccount& root, const char* id, const char* name, std::int64_t start) {
  TAccount* account = root.NewAccount();
  account->FieldAt(TAccount::fAccountID)->SetValue(TVariant::String(id));
  account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String(name));
  account->FieldAt(TAccount::fStartingBalance)
      ->SetValue(TVariant::Currency(TCurrency::FromUnits(start)));
  return account;
}

void AddPattern(TAccount& root, const char* match, int matchType, const char* category) {
  TImportSettings* pattern = root.PatternTable()->NewPattern();
  pattern->FieldAt(TImportSettings::fMatchValue)->SetValue(TVariant::String(match));
  pattern->SetMatchType(matchType);
  pattern->FieldAt(TImportSettings::fCategoryName)->SetValue(TVariant::String(category));
}

// Two accounts; the balances stored in the file are stale (all 0), the
// commands recompute them. The rows are in stored order, not date order.
void FillData(TAccount& root) {
  TCategoryList categories(false);  // as typed, to be sorted when read
  for (const char* entry : {"Salary", "Food - groceries", "Car - fuel, oil", "food - GROCERIES"})
    categories.Add(entry);
  root.ListFieldAt(TAccount::lfCategories)->SetValue(TVariant::String(categories.CommaText()));
  AddRows(*AddAccount(root, "{0A}", "Cheque", 100),
          {{"02 Mar 2024", "Pay", "Salary", 250000, ttIncome},
           {"05 Mar 2024", "SHOPRITE\tSANDTON", "", -4525, ttExpense},
           {"09 Mar 2024", "Gone", "", -100, ttExpense, true},
           {"20 Mar 2024", "Fuel 100", "Car - fuel, oil", -11000, ttExpense},
           {"02 Apr 2024", "Shoprite", "", -100000, ttExpense},
           {"01 Mar 2024", "Late entry", "", -50, ttTransfer},
           {"not a date", "Broken", "", -100, ttDeposit}});
  AddRows(*AddAccount(root, "{0B}", "Savings", 0),
          {{"01 Mar 2024", "shoprite online", "", -2000, ttExpense}});
  AddPattern(root, "shoprite", mtContains, "Food - groceries");
  AddPattern(root, "fuel", mtStartsWith, "Car - fuel, oil");
}

struct WorkspaceCommandsTest : CliFixture {
  std::string data;
  void SetUp() override {
    CliFixture::SetUp();
    data = Path("data.tfold");
    TAccount root;
    FillData(root);
    root.SaveToFile(data, true);
  }
  std::string DataArg() const { return "--data " + Quoted(data) + " "; }

  // The descriptions (third column) of a transactions listing.
  std::vector<std::string> Descriptions(const std::string& options) {
    const TRun run = Run("transactions " + DataArg() + options);
    EXPECT_EQ(run.Status, 0) << options << ": " << run.Err;
    std::vector<std::string> descriptions;
    std::istringstream lines(run.Out);
    for (std::string line; std::getline(lines, line);) {
      std::istringstream fields(line);
      std::string field;
      for (int i = 0; i < 3; ++i) std::getline(fields, field, '\t');
      descriptions.push_back(field);
    }
    return descriptions;
  }
};

TEST_F(WorkspaceCommandsTest, TransactionsListsTheLiveRowsWithRunningBalances) {
  const TRun run = Run("transactions " + DataArg() + "Cheque");
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out,
            "02 Mar 2024\tIncome\tPay\tSalary\t2,500.00\t2,600.00\n"
            "05 Mar 2024\tExpense\tSHOPRITE SANDTON\t\t-45.25\t2,554.75\n"
            "20 Mar 2024\tExpense\tFuel 100\tCar - fuel, oil\t-110.00\t2,444.75\n"
            "02 Apr 2024\tExpense\tShoprite\t\t-1,000.00\t1,444.75\n"
            "01 Mar 2024\tTransfer\tLate entry\t\t-0.50\t1,444.25\n"
            "not a date\tDeposit\tBroken\t\t-1.00\t1,443.25\n");
  EXPECT_EQ(Run("transactions " + DataArg() + "'{0B}'").Out,
            "01 Mar 2024\tExpense\tshoprite online\t\t-20.00\t-20.00\n");
}

TEST_F(WorkspaceCommandsTest, DatesAndFilterNarrowTheListing) {
  using TNames = std::vector<std::string>;
  const std::pair<const char*, TNames> cases[] = {
      {"--from '05 Mar 2024'", {"SHOPRITE SANDTON", "Fuel 100", "Shoprite"}},
      {"--to '05 Mar 2024'", {"Pay", "SHOPRITE SANDTON", "Late entry"}},
      {"--from '02 Mar 2024' --to '20 Mar 2024'", {"Pay", "SHOPRITE SANDTON", "Fuel 100"}},
      {"--from '21 Mar 2024' --to '21 Mar 2024'", {}},
      {"--from '5 mar 2024' --to '20 MAR 2024'", {"SHOPRITE SANDTON", "Fuel 100"}},  // as typed
      {"--filter shoprite", {"SHOPRITE SANDTON", "Shoprite"}},
      {"--filter ' FUEL, '", {"Fuel 100"}},  // category text, trimmed
      {"--filter n/a", {"SHOPRITE SANDTON", "Shoprite", "Late entry", "Broken"}},
      {"--filter 100", {"Fuel 100"}},              // in the text, and -110 is near 100
      {"--filter '01 Mar 2024'", {"Late entry"}},  // a day
      {"--filter shoprite --to '31 Mar 2024'", {"SHOPRITE SANDTON"}},
  };
  for (const auto& [options, names] : cases)
    EXPECT_EQ(Descriptions(std::string(options) + " Cheque"), names) << options;
}

TEST_F(WorkspaceCommandsTest, TransactionsRefusesWhatItCannotList) {
  const struct {
    std::string Args;
    int Status;
    const char* Message;
  } cases[] = {
      {"Current", 1, "The data file has no account \"Current\"."},
      {"--from '31 Feb 2024' Cheque", 1, "\"--from\" must be a date like 01 Jan 2024"},
      {"--to 2024-03-01 Cheque", 1, "\"--to\" must be a date like"},
      {"--from '02 Mar 2024' --to '01 Mar 2024' Cheque", 1, "\"--to\" lies before \"--from\""},
      {"", 2, "usage: tallyfold-cli transactions"},
      {"Cheque Savings", 2, "name one account"},
      {"--colour red Cheque", 2, "unknown option \"--colour\""},
      {"--filter a --filter b Cheque", 2, "\"--filter\" is given twice"},
  };
  for (const auto& c : cases) {
    const TRun run = Run("transactions " + DataArg() + c.Args);
    EXPECT_EQ(run.Status, c.Status) << c.Args;
    EXPECT_EQ(run.Out, "") << c.Args;
    EXPECT_NE(run.Err.find(c.Message), std::string::npos) << c.Args << "\n" << run.Err;
  }
}

TEST_F(WorkspaceCommandsTest, CategoriesPrintsTheFileListSortedOrTheDefaults) {
  const TRun run = Run("categories " + DataArg());
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out, "Car - fuel, oil\nFood - groceries\nSalary\n");

  TAccount bare;
  bare.NewAccount();
  bare.SaveToFile(Path("bare.tfold"), true);
  const TRun defaults = Run("categories --data " + Quoted(Path("bare.tfold")));
  ASSERT_EQ(defaults.Status, 0) << defaults.Err;
  TCategoryList list;
  list.LoadDefaultCategories();
  std::string lines;
  for (const std::string& entry : list.Entries()) lines += entry + "\n";
  EXPECT_EQ(defaults.Out, lines);
  EXPECT_EQ(list.Count(), 50u);
  EXPECT_EQ(Run("categories " + DataArg() + "extra").Status, 2);
}

TEST_F(WorkspaceCommandsTest, RecogniseCountsTheNewCategoriesAndSaves) {
  const TRun run = Run("recognise " + DataArg());
  ASSERT_EQ(run.Status, 0) << run.Err;
  // Both Shoprite rows of Cheque and the Savings one; "Fuel 100" had its category.
  EXPECT_EQ(run.Out, "3 transactions got a new category\n");
  TAccount back;
  back.LoadFromFile(data, true);
  const TTransactions* cheque = back.AccountAt(0)->TransactionsTable();
  for (int i : {1, 4})
    EXPECT_EQ(cheque->TransactionAt(i)->FieldAt(TTransactions::fCategory)->AsString(),
              "Food - groceries");
  EXPECT_EQ(back.AccountAt(1)
                ->TransactionsTable()
                ->TransactionAt(0)
                ->FieldAt(TTransactions::fCategory)
                ->AsString(),
            "Food - groceries");
  // The saved balances are the recomputed ones, not the stale zeros.
  EXPECT_EQ(cheque->TransactionAt(6)->FieldAt(TTransactions::fBalance)->AsString(), "1443.25");
  EXPECT_EQ(back.AccountAt(0)->FieldAt(TAccount::fBalance)->AsString(), "1443.25");

  const TRun again = Run("recognise " + DataArg());
  ASSERT_EQ(again.Status, 0) << again.Err;
  EXPECT_EQ(again.Out, "0 transactions got a new category\n");
}

TEST_F(WorkspaceCommandsTest, RecogniseWritesNothingWhenTheFileDoesNotOpen) {
  WriteFileAtomically(Path("damaged.tfold"), "not a data file");
  const TRun damaged = Run("recognise --data " + Quoted(Path("damaged.tfold")));
  EXPECT_EQ(damaged.Status, 1);
  EXPECT_NE(damaged.Err.find("damaged.tfold"), std::string::npos) << damaged.Err;
  EXPECT_EQ(ReadWholeFile(Path("damaged.tfold")), "not a data file");
  const TRun absent = Run("recognise --data " + Quoted(Path("absent.tfold")));
  EXPECT_EQ(absent.Status, 1);
  EXPECT_FALSE(fs::exists(Path("absent.tfold")));
}

}  // namespace
}  // namespace tf::testing

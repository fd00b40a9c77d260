#include <gtest/gtest.h>

#include <filesystem>

#include "ModelFixtures.h"
#include "app/Global.h"

namespace tf::testing {
namespace {

using AccountTest = ModelTest;

TEST_F(AccountTest, RunningBalancesSkipDeletedRows) {
  TAccount* account = AddAccount(Root(), "{A}", "Cheque", "Current Account", 100);
  TTransactions* first = AddTransaction(*account, {"01 Jan 2024", -30});
  TTransactions* gone = AddTransaction(*account, {"02 Jan 2024", -1000});
  TTransactions* last = AddTransaction(*account, {"03 Jan 2024", 50});
  gone->Deleted = true;
  gone->FieldAt(TTransactions::fBalance)->SetValue(Money(7));
  Root().RecalculateBalances();
  EXPECT_EQ(MoneyOf(*first, TTransactions::fBalance), 70);
  EXPECT_EQ(MoneyOf(*last, TTransactions::fBalance), 120);
  EXPECT_EQ(MoneyOf(*gone, TTransactions::fBalance), 7);
  EXPECT_EQ(MoneyOf(*account, TAccount::fBalance), 120);
}

TEST_F(AccountTest, BalancesOfEveryAccountAndExactCents) {
  TAccount* deleted = AddAccount(Root(), "{D}", "", "", 5);
  deleted->Deleted = true;
  AddTransaction(*deleted, {"", 1});
  TAccount* cents = AddAccount(Root(), "{C}", "", "", 0.3);
  for (int i = 0; i < 7; ++i) AddTransaction(*cents, {"", 0.1});
  TAccount* empty = AddAccount(Root(), "{E}", "", "", -2.5);
  Root().RecalculateBalances();
  EXPECT_EQ(deleted->FieldAt(TAccount::fBalance)->AsCurrency(), TCurrency::FromUnits(6));
  EXPECT_EQ(cents->FieldAt(TAccount::fBalance)->AsCurrency(), TCurrency::FromUnits(1));
  EXPECT_EQ(MoneyOf(*empty, TAccount::fBalance), -2.5);
}

TEST_F(AccountTest, TotalAmount) {
  TAccount* a = AddAccount(Root(), "{A}", "", "", 100);
  AddTransaction(*a, {"", -30});
  AddTransaction(*a, {"", 50});
  AddTransaction(*a, {"", 999})->Deleted = true;
  TAccount* b = AddAccount(Root(), "{B}");
  b->Deleted = true;
  AddTransaction(*b, {"", 0.25});
  EXPECT_DOUBLE_EQ(a->TotalAmount(), 20);
  EXPECT_DOUBLE_EQ(Root().TotalAmount(), 20.25);
  EXPECT_EQ(AddAccount(Root(), "{C}")->TotalAmount(), 0);
}

TEST_F(AccountTest, SumCategoryAddsIncomeAndExpenseOfLiveAccounts) {
  TAccount* a = AddAccount(Root(), "{A}");
  AddTransaction(*a, {"05 Jan 2024", 200, ttIncome, "Food"});
  AddTransaction(*a, {"06 Jan 2024", -50, ttExpense, "Food"});
  AddTransaction(*a, {"07 Jan 2024", -999, ttTransfer, "Food"});
  TAccount* b = AddAccount(Root(), "{B}");
  AddTransaction(*b, {"08 Jan 2024", -25, ttExpense, "Food - pets"});
  TAccount* gone = AddAccount(Root(), "{G}");
  gone->Deleted = true;
  AddTransaction(*gone, {"08 Jan 2024", -1000, ttExpense, "Food"});
  EXPECT_DOUBLE_EQ(a->SumCategory(2024, 1, 0, "Food", false), 150);
  EXPECT_DOUBLE_EQ(Root().SumCategory(2024, 1, 0, "Food", false), 150);
  EXPECT_DOUBLE_EQ(Root().SumCategory(2024, 1, 0, "Food", true), 125);
  EXPECT_DOUBLE_EQ(Root().SumCategory(2024, 2, 0, "Food", true), 0);
}

// The one-pass sums must give what one SumCategory call per selector gives,
// including categories without a sub part, the special selectors and a
// selector named twice.
TEST_F(AccountTest, AllCategorySumsAtOnceEqualOneCallPerSelector) {
  TAccount* a = AddAccount(Root(), "{A}");
  AddTransaction(*a, {"05 Jan 2024", 200, ttIncome, "Salary"});
  AddTransaction(*a, {"06 Jan 2024", -50, ttExpense, "Food - groceries"});
  AddTransaction(*a, {"07 Jan 2024", -20, ttExpense, "Food"});
  AddTransaction(*a, {"08 Jan 2024", -7, ttExpense, ""});
  AddTransaction(*a, {"09 Jan 2024", -999, ttTransfer, "Food"});
  AddTransaction(*a, {"10 Feb 2024", -3, ttExpense, "Food - dining out"});
  AddTransaction(*a, {"11 Jan 2024", -1000, ttExpense, "Food"})->Deleted = true;
  TAccount* b = AddAccount(Root(), "{B}");
  AddTransaction(*b, {"12 Jan 2024", -25, ttExpense, "Food - pets"});
  const std::vector<std::string> selectors = {"Food",
                                              "Food - groceries",
                                              "Salary",
                                              "Food",
                                              kSelectAllCategories,
                                              kSelectUncategorised,
                                              "Nothing",
                                              ""};
  for (bool mainCategory : {false, true}) {
    for (int month : {0, 1}) {
      const std::vector<TMoneySum> sums =
          Root().SumCategoriesExact(month ? 2024 : 0, month, 0, selectors, mainCategory);
      ASSERT_EQ(sums.size(), selectors.size());
      for (std::size_t i = 0; i < selectors.size(); ++i)
        EXPECT_DOUBLE_EQ(sums[i].ToDouble(),
                         Root().SumCategory(month ? 2024 : 0, month, 0, selectors[i], mainCategory))
            << "selector " << i << ", month " << month << ", main " << mainCategory;
    }
  }
}

TEST_F(AccountTest, AccountTypeIndexAndOfxType) {
  const struct {
    const char* Type;
    int Index;
    const char* Ofx;
  } cases[] = {
      {"Current Account", 0, "CHECKING"},   {"Credit Card", 1, "CREDITLINE"},
      {"Saving Account", 2, "SAVINGS"},     {"Home Loan", 3, "CREDITLINE"},
      {"Vehicle Loan", 4, "CREDITLINE"},    {"Other", 5, "CREDITLINE"},
      {"current account", 5, "CREDITLINE"}, {"", 5, "CREDITLINE"},
  };
  TAccount* account = AddAccount(Root(), "{A}");
  for (const auto& c : cases) {
    SetText(*account, TAccount::fAccountType, c.Type);
    EXPECT_EQ(account->AccountTypeIndex(), c.Index) << c.Type;
    EXPECT_EQ(account->OfxAccountType(), c.Ofx) << c.Type;
  }
}

TEST_F(AccountTest, SortsByTypeThenNameIgnoringCase) {
  const std::pair<const char*, const char*> accounts[] = {
      {"Vehicle Loan", "Car"},  {"current account", "b"},    {"Current Account", "A"},
      {"Credit Card", "Visa"},  {"Saving Account", "Rainy"}, {"Home Loan", "House"},
      {"Current Account", "C"},
  };
  for (const auto& [type, name] : accounts) AddAccount(Root(), "", name, type);
  Root().SortAccounts();
  std::string order;
  for (int i = 0; i < Root().RowCount(); ++i)
    order += Root().AccountAt(i)->FieldAt(TAccount::fAccountName)->AsString() + " ";
  EXPECT_EQ(order, "Visa A b C House Rainy Car ");
  EXPECT_EQ(TAccount::CompareAccounts(Root().AccountAt(0), Root().TransactionsTable()), 0);
}

TEST_F(AccountTest, FindAccountAndItsName) {
  AddAccount(Root(), "{X}", "Deleted twin")->Deleted = true;
  AddAccount(Root(), "{X}", "Live twin");
  AddAccount(Root(), "{Y}", "Savings");
  EXPECT_EQ(Root().AccountNameOf("{X}"), "Deleted twin");
  EXPECT_EQ(Root().AccountNameOf("{Y}"), "Savings");
  EXPECT_EQ(Root().AccountNameOf("{y}"), "");
  EXPECT_EQ(Root().AccountNameOf("{NONE}"), "");
  EXPECT_EQ(Root().AccountAt(2)->FindAccount("{Y}"), Root().AccountAt(2));
  EXPECT_EQ(Root().AccountAt(2)->FindAccount("{X}"), nullptr);
}

TEST_F(AccountTest, IdentityAndCompactId) {
  TAccount* account = AddAccount(Root(), "{OLD}");
  account->AssignNewId();
  const std::string id = account->FieldAt(TAccount::fAccountID)->AsString();
  ASSERT_EQ(id.size(), 38u);
  EXPECT_EQ(id.front(), '{');
  EXPECT_EQ(account->CompactId(), id.substr(1, 8) + id.substr(10, 4) + id.substr(15, 4) +
                                      id.substr(20, 4) + id.substr(25, 12));
}

TEST_F(AccountTest, EveryAccountObjectOwnsItsThreeTables) {
  TAccount* row = Root().NewAccount();
  ASSERT_EQ(row->ChildCount(), 3);
  EXPECT_NE(row->TransactionsTable(), nullptr);
  EXPECT_NE(row->BudgetTable(), nullptr);
  EXPECT_NE(row->PatternTable(), nullptr);
}

TEST_F(AccountTest, AnAccountReadWithOneTableGetsAllThree) {
  TAccount source(nullptr, TBoneKind::List);
  TAccount* account = AddAccount(source, "{A}", "Cheque");
  AddTransaction(*account, {"05 Jan 2024", -5});
  account->Children().Delete(2);
  account->Children().Delete(1);  // only the transactions table is left
  const std::string path =
      (std::filesystem::temp_directory_path() / "tallyfold_model_tables.tfold").string();
  source.SaveToFile(path, true);
  TAccount read(nullptr, TBoneKind::List);
  read.LoadFromFile(path, true);
  std::filesystem::remove(path);
  const TAccount* row = read.AccountAt(0);
  ASSERT_EQ(row->ChildCount(), 3);
  EXPECT_NE(row->TransactionsTable(), nullptr);
  EXPECT_NE(row->BudgetTable(), nullptr);
  EXPECT_NE(row->PatternTable(), nullptr);
  EXPECT_EQ(read.AccountAt(0)->TransactionsTable()->RowCount(), 1);
}

class CategoryListTest : public ModelTest {};

TEST_F(CategoryListTest, WithoutCustomListOrDataTheDefaultsExactly) {
  Root().RebuildCategoryList();
  TCategoryList defaults;
  defaults.LoadDefaultCategories();
  EXPECT_EQ(Global().Categories.Entries(), defaults.Entries());
  EXPECT_EQ(Global().Categories.Count(), 50u);
}

TEST_F(CategoryListTest, CustomListPlusEveryLiveCategoryInUse) {
  Global().Categories.Add("Stale");
  Root().ListFieldAt(TAccount::lfCustomCategories)->SetValue(TVariant::String("Home\r\nFood"));
  TAccount* a = AddAccount(Root(), "{A}");
  AddTransaction(*a, {"", 0, ttExpense, " Pets "});
  AddTransaction(*a, {"", 0, ttExpense, "   "});
  AddTransaction(*a, {"", 0, ttExpense, "food"});
  AddTransaction(*a, {"", 0, ttExpense, "Deleted row"})->Deleted = true;
  TAccount* gone = AddAccount(Root(), "{G}");
  gone->Deleted = true;
  AddTransaction(*gone, {"", 0, ttExpense, "Deleted account"});
  TImportSettings* pattern = Root().PatternTable()->NewPattern();
  SetText(*pattern, TImportSettings::fCategoryName, "Rent");
  TImportSettings* deadPattern = Root().PatternTable()->NewPattern();
  SetText(*deadPattern, TImportSettings::fCategoryName, "Dead pattern");
  deadPattern->Deleted = true;
  SetText(*Root().BudgetTable()->NewBudget(), TBudget::fCategoryName, "Savings");
  Root().RebuildCategoryList();
  const std::vector<std::string> expected = {" Pets ", "Food", "Home", "Rent", "Savings"};
  EXPECT_EQ(Global().Categories.Entries(), expected);
}

TEST_F(CategoryListTest, AllDescriptionsOncePerTextIgnoringCase) {
  TAccount* a = AddAccount(Root(), "{A}");
  for (const char* text : {"Rent", "ATM", "rent", "atm cash"})
    AddTransaction(*a, {"", 0, 1, "", text});
  AddTransaction(*a, {"", 0, 1, "", "Gone"})->Deleted = true;
  TAccount* gone = AddAccount(Root(), "{G}");
  gone->Deleted = true;
  AddTransaction(*gone, {"", 0, 1, "", "Hidden"});
  EXPECT_EQ(Root().AllDescriptions(), "ATM\r\natm cash\r\nRent\r\n");
  ResetGlobalData();
  EXPECT_EQ(Root().AllDescriptions(), "");
}

TEST_F(AccountTest, ApplyRecognitionRunsTheRootPatternsOverEveryAccount) {
  TImportSettings* pattern = Root().PatternTable()->NewPattern();
  SetText(*pattern, TImportSettings::fMatchValue, "shop");
  SetText(*pattern, TImportSettings::fCategoryName, "Food");
  pattern->SetMatchType(mtContains);
  TAccount* a = AddAccount(Root(), "{A}");
  TTransactions* deletedRow = AddTransaction(*a, {"", 0, ttIncome, "", "SHOPRITE"});
  deletedRow->Deleted = true;
  TAccount* b = AddAccount(Root(), "{B}");
  b->Deleted = true;
  TTransactions* other = AddTransaction(*b, {"", 0, ttIncome, "", "the shop"});
  TTransactions* miss = AddTransaction(*b, {"", 0, ttIncome, "Old", "garage"});
  Root().ApplyRecognition();
  for (const TTransactions* row : {deletedRow, other}) {
    EXPECT_EQ(row->FieldAt(TTransactions::fCategory)->AsString(), "Food");
    EXPECT_EQ(row->GetTransactionType(), ttExpense);
  }
  EXPECT_EQ(miss->FieldAt(TTransactions::fCategory)->AsString(), "Old");
  EXPECT_EQ(miss->GetTransactionType(), ttIncome);
}

}  // namespace
}  // namespace tf::testing

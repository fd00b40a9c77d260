// The application context: opening the data file with its password, saving,
// purging, the command line, the password change and the trace log.
#include <gtest/gtest.h>

#include "GlobalFixture.h"
#include "app/Backup.h"
#include "app/Global.h"
#include "model/Budget.h"
#include "model/ImportSettings.h"
#include "store/StoreError.h"

namespace tf {
namespace {

using namespace tf::testing;

TCategoryList DefaultCategories() {
  TCategoryList list;
  list.LoadDefaultCategories();
  return list;
}

TEST_F(GlobalTest, FirstStartBeginsAnEmptyDataSetAndCreatesTheFileAtShutdown) {
  EXPECT_EQ(Global().DataFilePath(), DataFile());
  ASSERT_TRUE(Global().OpenDataFile());
  EXPECT_TRUE(Global().FileLoaded());
  EXPECT_TRUE(prompt.InitialTexts.empty());
  EXPECT_EQ(Global().Categories.Count(), 50u);
  EXPECT_EQ(Global().Accounts.RowCount(), 0);
  EXPECT_FALSE(fs::exists(DataFile()));

  Global().ShutDown();
  TAccount saved(nullptr, TBoneKind::List);
  saved.LoadFromFile(DataFile(), true);
  EXPECT_EQ(saved.ListFieldAt(TAccount::lfCategories)->AsString(), DefaultCategories().CommaText());
}

TEST_F(GlobalTest, PasswordIsTrimmedAndComparedWithLetterCase) {
  struct TCase {
    const char* Stored;
    std::optional<std::string> Entry;  // no value: "Cancel"
    bool Prompted, Opens;
  };
  const TCase cases[] = {
      {"", std::nullopt, false, true},    {"   ", std::nullopt, false, true},
      {"Secret", "Secret", true, true},   {"Secret", "  Secret\t", true, true},
      {" Secret ", "Secret", true, true}, {"Secret", "secret", true, false},
      {"Secret", "", true, false},        {"Secret", std::nullopt, true, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string("stored \"") + c.Stored + "\" entry " +
                 (c.Entry ? "\"" + *c.Entry + "\"" : "cancelled"));
    Start();
    prompt = {};
    prompt.Answers.push_back(c.Entry);
    WriteDataFile(DataFile(), c.Stored, "Food");

    EXPECT_EQ(Global().OpenDataFile(), c.Opens);
    EXPECT_EQ(Global().FileLoaded(), c.Opens);
    EXPECT_EQ(prompt.InitialTexts.size(), c.Prompted ? 1u : 0u);
    if (c.Prompted) {
      EXPECT_EQ(prompt.InitialTexts[0], "");
    }
    EXPECT_EQ(Global().Accounts.RowCount(), c.Opens ? 1 : 0);
    EXPECT_EQ(Global().Categories.Count(), c.Opens ? 1u : 0u);
  }
}

TEST_F(GlobalTest, CategoriesComeFromTheFileOrTheDefaults) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"Food,\"Home - rent\"", {"Food", "Home - rent"}},
      {"", DefaultCategories().Entries()},
      {"   ", DefaultCategories().Entries()},
  };
  for (const auto& [stored, expected] : cases) {
    Start();
    WriteDataFile(DataFile(), "", stored);
    ASSERT_TRUE(Global().OpenDataFile());
    EXPECT_EQ(Global().Categories.Entries(), expected) << '"' << stored << '"';
  }
}

TEST_F(GlobalTest, AWrongPasswordLeavesTheFileByteForByteAsItWas) {
  WriteDataFile(DataFile(), "Secret", "Food");
  const std::string before = ReadWholeFile(DataFile());
  prompt.Answers.push_back("wrong");
  ASSERT_FALSE(Global().OpenDataFile());

  Global().Accounts.NewAccount();
  Global().SaveFile("");
  Global().ShutDown();
  EXPECT_THROW(Global().CreateBackup(Path("copy.tfold"), kBackupDataFile), EFileError);
  EXPECT_EQ(ReadWholeFile(DataFile()), before);
  EXPECT_FALSE(fs::exists(Path("copy.tfold")));
}

TEST_F(GlobalTest, ARefusedFileLeavesNothingOfItInMemoryAndOpensOnTheNextTry) {
  WriteDataFile(DataFile(), "Secret", "Food");
  prompt.Answers = {std::string("wrong"), std::string("Secret")};
  ASSERT_FALSE(Global().OpenDataFile());
  // The tree was read for its password, then emptied: nothing of it is left
  // for a page to show or a later save to write.
  EXPECT_EQ(Global().Accounts.RowCount(), 0);
  EXPECT_EQ(Global().Password(), "");
  EXPECT_EQ(Global().Accounts.ListFieldAt(TAccount::lfCategories)->AsString(), "");
  EXPECT_EQ(Global().Categories.Count(), 0u);

  ASSERT_TRUE(Global().OpenDataFile());
  EXPECT_EQ(Global().Accounts.RowCount(), 1);
  EXPECT_EQ(Global().Password(), "Secret");
  EXPECT_EQ(Global().Categories.Entries(), std::vector<std::string>{"Food"});
}

TEST_F(GlobalTest, NothingIsSavedAfterTheDataWasLeftToTheExit) {
  WriteDataFile(DataFile(), "", "Food");
  const std::string before = ReadWholeFile(DataFile());
  ASSERT_TRUE(Global().OpenDataFile());
  Global().LockDataFile("Tallyfold");
  Global().Accounts.NewAccount();
  Global().NoteChange();
  Global().LeaveDataToExit();
  EXPECT_FALSE(Global().FileLoaded());
  EXPECT_FALSE(Global().HoldsLock());
  Global().SaveFile("");
  Global().ShutDown();
  EXPECT_EQ(ReadWholeFile(DataFile()), before);
}

TEST_F(GlobalTest, TheFailureTextEndsWithTheDataFilePath) {
  Global().SetDataFilePath("/home/ann/Documents/Tallyfold/data.tfold");
  EXPECT_EQ(Global().LoadFailureMessage(),
            "One of 2 things could have happened\r\n"
            "\r\n"
            "\t\t1) You entered the wrong password, in that case close down and try again.\r\n"
            "\t\t2) The data file called \"data.tfold\" is corrupted, in that case you really\r\n"
            "\t\t   have a problem. You can delete the file and the program will start with no "
            "details\r\n"
            "\t\t   and you have to start from scratch to capturing transactions and budgets.\r\n"
            "\t\t3) The data file is located here \r\n"
            "\t\t   /home/ann/Documents/Tallyfold/data.tfold");
}

TEST_F(GlobalTest, ADamagedFileRaisesANamedErrorAndIsNeverWritten) {
  WriteDataFile(DataFile(), "", "Food");
  const std::string valid = ReadWholeFile(DataFile());
  const std::string damaged[] = {"not a data file", valid.substr(0, valid.size() / 2), ""};
  for (const std::string& bytes : damaged) {
    Start();
    WriteFileAtomically(DataFile(), bytes);
    try {
      Global().OpenDataFile();
      ADD_FAILURE() << "a damaged file was opened";
    } catch (const EStoreError& error) {
      EXPECT_NE(std::string(error.what()).find(DataFile()), std::string::npos) << error.what();
    }
    EXPECT_FALSE(Global().FileLoaded());
    EXPECT_EQ(Global().Accounts.RowCount(), 0);
    Global().Accounts.NewAccount();
    Global().ShutDown();
    EXPECT_EQ(ReadWholeFile(DataFile()), bytes);
  }
}

TEST_F(GlobalTest, AFailedSaveNamesTheFileAndKeepsTheDataForTheNextSave) {
  ASSERT_TRUE(Global().OpenDataFile());
  Global()
      .Accounts.NewAccount()
      ->FieldAt(TAccount::fAccountName)
      ->SetValue(TVariant::String("Cheque"));
  WriteFileAtomically(Path("blocker"), "a file where a folder should be");
  const std::string unreachable = Path("blocker") + "/data.tfold";
  try {
    Global().SaveFile(unreachable);
    ADD_FAILURE() << "the save reported no error";
  } catch (const EFileError& error) {
    EXPECT_NE(std::string(error.what()).find(unreachable), std::string::npos) << error.what();
  }
  ASSERT_EQ(Global().Accounts.RowCount(), 1);
  Global().SaveFile("");
  Start();
  ASSERT_TRUE(Global().OpenDataFile());
  EXPECT_EQ(Global().Accounts.AccountAt(0)->FieldAt(TAccount::fAccountName)->AsString(), "Cheque");
}

TEST_F(GlobalTest, NothingIsSavedBeforeTheFileWasOpened) {
  ASSERT_TRUE(Global().LoadFile(""));  // read, but start-up has not accepted it yet
  Global().SaveFile("");
  Global().SaveFile(Path("other.tfold"));
  EXPECT_FALSE(fs::exists(DataFile()));
  EXPECT_FALSE(fs::exists(Path("other.tfold")));
}

TEST_F(GlobalTest, SavingWritesTheCategoryListIntoTheFile) {
  ASSERT_TRUE(Global().OpenDataFile());
  Global().Categories.Clear();
  Global().Categories.Add("Other");
  Global().Categories.Add("Food - pets");
  Global().SaveFile("");
  EXPECT_EQ(Global().Accounts.ListFieldAt(TAccount::lfCategories)->AsString(),
            "\"Food - pets\",Other");
  Start();
  ASSERT_TRUE(Global().OpenDataFile());
  EXPECT_EQ(Global().Categories.Entries(), (std::vector<std::string>{"Food - pets", "Other"}));
}

TEST_F(GlobalTest, TheCommandLineNamesTheDataFileOnlyInItsOneForm) {
  const std::string existing = Path("elsewhere.tfold");
  WriteDataFile(existing, "", "Food");
  const std::string program = Path("program/tallyfold");
  const std::pair<std::vector<std::string>, bool> cases[] = {
      {{}, false},
      {{existing}, false},
      {{program, Path("missing.tfold")}, false},
      {{program, Path("program")}, false},
      {{program, existing, existing}, false},
      {{program, existing}, true},
  };
  for (const auto& [args, taken] : cases) {
    Start();
    EXPECT_EQ(Global().TakeCommandLine(args), taken) << args.size() << " arguments";
    EXPECT_EQ(Global().DataFilePath(), taken ? existing : DataFile());
  }
}

TEST_F(GlobalTest, AFileNamedOnTheCommandLineReceivesEverySave) {
  const std::string existing = Path("elsewhere.tfold");
  WriteDataFile(existing, "", "Food");
  ASSERT_TRUE(Global().TakeCommandLine({Path("program/tallyfold"), existing}));
  ASSERT_TRUE(Global().OpenDataFile());
  Global().Accounts.NewAccount();
  Global().ShutDown();
  EXPECT_FALSE(fs::exists(DataFile()));
  TAccount saved(nullptr, TBoneKind::List);
  saved.LoadFromFile(existing, true);
  EXPECT_EQ(saved.RowCount(), 2);
}

TEST_F(GlobalTest, OpeningBringsTheBalancesUpToDate) {
  WriteDataFile(DataFile(), "", "Food");
  ASSERT_TRUE(Global().OpenDataFile());
  const TAccount* account = Global().Accounts.AccountAt(0);
  EXPECT_EQ(account->FieldAt(TAccount::fBalance)->GetValue().CurrencyValue().Raw, -125000);
}

TEST_F(GlobalTest, PurgeRemovesMarkedRowsEverywhereAndShutdownSavesTheRest) {
  ASSERT_TRUE(Global().OpenDataFile());
  TAccount& accounts = Global().Accounts;
  for (int a = 0; a < 3; ++a) {
    TAccount* account = accounts.NewAccount();
    account->Deleted = a == 1;
    for (int t = 0; t < 4; ++t)
      account->TransactionsTable()->NewTransaction()->Deleted = t % 2 == 0;
  }
  for (int i = 0; i < 3; ++i) {
    accounts.BudgetTable()->NewBudget()->Deleted = i != 1;
    accounts.PatternTable()->NewPattern()->Deleted = i == 2;
  }
  Global().ShutDown();

  TAccount saved(nullptr, TBoneKind::List);
  saved.LoadFromFile(DataFile(), true);
  const TAccount* trees[] = {&accounts, &saved};
  for (const TAccount* tree : trees) {
    ASSERT_EQ(tree->RowCount(), 2);
    for (int a = 0; a < 2; ++a) {
      EXPECT_FALSE(tree->AccountAt(a)->Deleted);
      EXPECT_EQ(tree->AccountAt(a)->TransactionsTable()->RowCount(), 2);
      EXPECT_EQ(tree->AccountAt(a)->TransactionsTable()->LiveRowCount(), 2);
    }
    EXPECT_EQ(tree->BudgetTable()->RowCount(), 1);
    EXPECT_EQ(tree->PatternTable()->RowCount(), 2);
    EXPECT_EQ(tree->PatternTable()->LiveRowCount(), 2);
  }
}

TEST_F(GlobalTest, ChangePasswordStoresTheTrimmedEntryAndCancelKeepsThePassword) {
  const std::pair<std::optional<std::string>, std::string> cases[] = {
      {"New One", "New One"}, {"  padded\t", "padded"}, {"old", "old"}, {"", ""},
      {std::nullopt, "old"},
  };
  for (const auto& [entry, expected] : cases) {
    Start();
    prompt = {};
    WriteDataFile(DataFile(), "old", "Food");
    prompt.Answers.push_back("old");
    ASSERT_TRUE(Global().OpenDataFile());
    prompt.Answers.push_back(entry);

    EXPECT_EQ(Global().ChangePassword(), entry.has_value());
    ASSERT_EQ(prompt.InitialTexts.size(), 2u);
    EXPECT_EQ(prompt.InitialTexts[1], "old");
    EXPECT_EQ(Global().Password(), expected);
    EXPECT_EQ(ReadPassword(DataFile()), "old");  // memory only until the next save
    Global().SaveFile("");
    EXPECT_EQ(ReadPassword(DataFile()), expected);
  }
}

TEST_F(GlobalTest, TheTraceKeepsTheNewestHundredNewestFirst) {
  for (int i = 1; i <= 150; ++i) Global().Trace(std::to_string(i));
  const TTraceLog& log = Global().TraceLog();
  ASSERT_EQ(log.Count(), 100u);
  EXPECT_EQ(log[0], "150");
  EXPECT_EQ(log[99], "51");
  Global().TraceError("Disk full");
  EXPECT_EQ(log[0], "ERROR - Disk full");
  EXPECT_EQ(log.Count(), 100u);
  EXPECT_EQ(log.Text().substr(0, 23), "ERROR - Disk full\r\n150\r");
}

TEST_F(GlobalTest, EachWayThroughLoadFileLeavesItsSteps) {
  using TSteps = std::vector<std::string>;
  auto steps = [] {
    const auto& entries = Global().TraceLog().Entries();
    return TSteps(entries.begin(), entries.end());
  };
  ASSERT_TRUE(Global().LoadFile(""));
  EXPECT_EQ(steps(), (TSteps{"global - Load File - 2b", "global - Load File - 1"}));

  WriteDataFile(DataFile(), "pw", "");
  Start();
  prompt.Answers = {std::string("pw")};
  ASSERT_TRUE(Global().LoadFile(""));
  EXPECT_EQ(steps(),
            (TSteps{"global - Load File - 5", "global - Load File - 4", "global - Load File - 3",
                    "global - Load File - 2a", "global - Load File - 1"}));

  Start();
  ASSERT_FALSE(Global().LoadFile(""));
  EXPECT_EQ(steps(), (TSteps{"global - Load File - 3", "global - Load File - 2a",
                             "global - Load File - 1"}));
}

TEST_F(GlobalTest, ResetRestoresTheStartingState) {
  WriteDataFile(DataFile(), "", "Food");
  ASSERT_TRUE(Global().OpenDataFile());
  Global().Accounts.ListFieldAt(TAccount::lfPassword)->SetValue(TVariant::String("pw"));
  Global().Trace("step");
  Global().Reset();
  EXPECT_FALSE(Global().FileLoaded());
  EXPECT_EQ(Global().Accounts.RowCount(), 0);
  EXPECT_EQ(Global().Accounts.ChildCount(), 3);
  EXPECT_EQ(Global().Password(), "");
  EXPECT_TRUE(Global().Categories.Empty());
  EXPECT_EQ(Global().TraceLog().Count(), 0u);
  EXPECT_EQ(Global().DataFilePath(), "data.tfold");  // no documents folder without services
  EXPECT_FALSE(Global().NumberFormatLoaded());
}

TEST_F(GlobalTest, FormatsAndPreferencesGoThroughTheGivenStore) {
  preferences->WriteSetting("thousands", ".");
  preferences->WriteSetting("decimal", ",");
  EXPECT_EQ(Global().FormatAmount(123456.78), "123.456,78");
  Global().SetThousandSeparator(" ");
  EXPECT_EQ(preferences->ReadSetting("thousands"), " ");
  EXPECT_EQ(preferences->ReadSetting("decimal"), ",");
  EXPECT_EQ(Global().FormatAmount(TCurrency{-50000}), "-5,00");

  EXPECT_EQ(Global().GetImportFileIndex(), 5);
  Global().SetImportFileIndex(2);
  Global().SetShowHelp(false);
  EXPECT_EQ(preferences->ReadSetting("importfileindex"), "2");
  EXPECT_EQ(Global().ReadSetting("showhelp"), "no");
  EXPECT_NE(Global().CreateStatementParser(2), nullptr);
  EXPECT_EQ(Global().CreateStatementParser(8), nullptr);
}

}  // namespace
}  // namespace tf

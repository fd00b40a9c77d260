// A save writes the data file only when the data differs from it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>

#include <functional>

#include "GlobalFixture.h"
#include "app/Backup.h"
#include "app/DailyBackup.h"
#include "model/Budget.h"
#include "store/BlockDeflater.h"
#include "store/StoreError.h"

namespace tf {
namespace {

using namespace tf::testing;

struct TFileState {
  std::string Bytes;
  timespec Time{};
  ino_t Inode = 0;
};

TFileState StateOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0);
  return {ReadWholeFile(path), info.st_mtim, info.st_ino};
}

bool Untouched(const TFileState& before, const std::string& path) {
  const TFileState now = StateOf(path);
  return now.Bytes == before.Bytes && now.Inode == before.Inode &&
         now.Time.tv_sec == before.Time.tv_sec && now.Time.tv_nsec == before.Time.tv_nsec;
}

void SetTextOf(TTransactions* row, const std::string& text) {
  row->FieldAt(TTransactions::fDescription)->SetValue(TVariant::String(text));
}

// An hour ago, so that a rewrite within the same clock tick still shows.
void Backdate(const std::string& path) {
  timeval times[2];
  ::gettimeofday(&times[0], nullptr);
  times[0].tv_sec -= 3600;
  times[1] = times[0];
  ASSERT_EQ(::utimes(path.c_str(), times), 0);
}

struct SaveWhenChangedTest : GlobalTest {
  // The sample file (one of its two transactions marked Deleted), opened as
  // at start-up with the file's time an hour back.
  void Open(bool withDeletedRow = true) {
    WriteDataFile(DataFile(), "", "Food");
    // As this program leaves a file: balances up to date.
    TAccount file(nullptr, TBoneKind::List);
    file.LoadFromFile(DataFile(), true);
    if (!withDeletedRow) file.AccountAt(0)->TransactionsTable()->Rows().Delete(1);
    file.RecalculateBalances();
    file.SaveToFile(DataFile(), true);
    Backdate(DataFile());
    TBlockDeflater::ForgetBlocks();
    ASSERT_TRUE(Global().OpenDataFile());
  }
  TTransactions* Row(int index) {
    return Global().Accounts.AccountAt(0)->TransactionsTable()->TransactionAt(index);
  }
};

TEST_F(SaveWhenChangedTest, NothingChangedLeavesTheFileUntouched) {
  Open();
  const TFileState before = StateOf(DataFile());
  Global().SaveFile();
  Global().SaveFile("");
  Global().CreateBackup(Path("copy"), kBackupDataFile);
  EXPECT_TRUE(Untouched(before, DataFile()));
  EXPECT_FALSE(Global().HasUnsavedChanges());
  EXPECT_TRUE(fs::exists(Path("copy.tfold")));  // a backup is still written
  EXPECT_FALSE(fs::exists(DailyBackupFolder(DataFile())));
}

TEST_F(SaveWhenChangedTest, ShutDownWithNothingToPurgeLeavesTheFileUntouched) {
  Open(false);
  const TFileState before = StateOf(DataFile());
  Global().ShutDown();
  EXPECT_TRUE(Untouched(before, DataFile()));
}

TEST_F(SaveWhenChangedTest, ShutDownWithRowsToPurgeSaves) {
  Open();
  const TFileState before = StateOf(DataFile());
  Global().ShutDown();
  EXPECT_FALSE(Untouched(before, DataFile()));
  TAccount saved(nullptr, TBoneKind::List);
  saved.LoadFromFile(DataFile(), true);
  EXPECT_EQ(saved.AccountAt(0)->TransactionsTable()->RowCount(), 1);
}

TEST_F(SaveWhenChangedTest, EveryKindOfChangeIsSaved) {
  const std::pair<const char*, std::function<void(SaveWhenChangedTest&)>> changes[] = {
      {"field value", [](auto& t) { SetTextOf(t.Row(0), "moved"); }},
      {"amount",
       [](auto& t) {
         t.Row(0)->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(TCurrency{1}));
       }},
      {"deleted mark", [](auto& t) { t.Row(0)->Deleted = true; }},
      {"deleted mark taken off", [](auto& t) { t.Row(1)->Deleted = false; }},
      {"modified flag", [](auto& t) { t.Row(0)->SetModified(true); }},
      {"password",
       [](auto&) {
         Global().Accounts.ListFieldAt(TAccount::lfPassword)->SetValue(TVariant::String("new"));
       }},
      {"categories", [](auto&) { Global().Categories.Add("Travel"); }},
      {"new row", [](auto&) { Global().Accounts.BudgetTable()->NewBudget(); }},
      {"rows moved",
       [](auto&) { Global().Accounts.AccountAt(0)->TransactionsTable()->MoveRow(0, 1); }},
      {"field definition",
       [](auto& t) {
         t.Row(0)->FieldAt(TTransactions::fDescription)->ChangeDef([](TFieldDef& d) { d.Tag = 7; });
       }},
      {"change only the window knows of", [](auto&) { Global().NoteChange(); }},
  };
  for (const auto& [what, change] : changes) {
    SCOPED_TRACE(what);
    Start();
    Open();
    const TFileState before = StateOf(DataFile());
    change(*this);
    Global().SaveFile();
    EXPECT_FALSE(Untouched(before, DataFile()));
    std::string expected;
    Global().Accounts.SaveToStream(expected);
    // Saved: the next save has nothing to write.
    Backdate(DataFile());
    const TFileState saved = StateOf(DataFile());
    Global().SaveFile();
    EXPECT_TRUE(Untouched(saved, DataFile()));
    // Read back, the file is the tree (reading another tree counts as a
    // change too, so this comes last).
    TAccount back(nullptr, TBoneKind::List);
    back.LoadFromFile(DataFile(), true);
    std::string content;
    back.SaveToStream(content);
    EXPECT_TRUE(content == expected);
  }
}

TEST_F(SaveWhenChangedTest, SettingTheSameValueIsNoChange) {
  Open();
  const TFileState before = StateOf(DataFile());
  const TVariant amount = Row(0)->FieldAt(TTransactions::fAmount)->HeldValue();
  Row(0)->FieldAt(TTransactions::fAmount)->SetValue(amount);
  Row(1)->Deleted = true;
  Global().Accounts.RecalculateBalances();
  Global().SaveFile();
  EXPECT_TRUE(Untouched(before, DataFile()));
}

TEST_F(SaveWhenChangedTest, AFileThatWasAbsentIsWrittenByTheFirstSave) {
  ASSERT_TRUE(Global().OpenDataFile());
  ASSERT_FALSE(fs::exists(DataFile()));
  Global().SaveFile();
  EXPECT_TRUE(fs::exists(DataFile()));
}

}  // namespace
}  // namespace tf

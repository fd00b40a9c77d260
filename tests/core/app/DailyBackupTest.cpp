// The backups the program keeps by itself: one per day, taken by the day's
// first save from the file as it was, the newest fourteen kept; a data file
// that cannot be read is offered the newest backup that reads.
#include <gtest/gtest.h>

#include "GlobalFixture.h"
#include "app/DailyBackup.h"
#include "store/FileLock.h"
#include "store/StoreError.h"

namespace tf {
namespace {

using namespace tf::testing;

std::vector<std::string> Names(const std::vector<TDailyBackup>& backups) {
  std::vector<std::string> names;
  for (const TDailyBackup& backup : backups) names.push_back(fs::path(backup.Path).filename());
  return names;
}

void AddAccount(const std::string& name) {
  Global().Accounts.NewAccount()->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String(name));
}

TEST(DailyBackupNames, TheDataFilesNameAndTheDayInTheBackupsFolder) {
  EXPECT_EQ(DailyBackupPath("/d/data.tfold", EncodeDate(2026, 12, 1)),
            "/d/backups/data-2026-12-01.tfold");
  EXPECT_EQ(DailyBackupPath("/d/My Money.tfold", EncodeDate(2008, 1, 5)),
            "/d/backups/My Money-2008-01-05.tfold");
  EXPECT_EQ(DailyBackupFolder("/d/data.tfold"), "/d/backups");
}

TEST_F(GlobalTest, ThreeSavesOnTwoDaysLeaveTwoBackupsOfTheFileAsItWas) {
  WriteDataFile(DataFile(), "", "Food");
  const std::string first = ReadWholeFile(DataFile());
  ASSERT_TRUE(Global().OpenDataFile());
  clock = EncodeDate(2026, 12, 9) + 0.5;
  AddAccount("Monday");
  Global().SaveFile();
  const std::string afterMonday = ReadWholeFile(DataFile());
  AddAccount("Monday evening");
  Global().SaveFile();
  clock = EncodeDate(2026, 12, 10) + 0.25;
  AddAccount("Tuesday");
  Global().SaveFile();

  const auto backups = ListDailyBackups(DataFile());
  EXPECT_EQ(Names(backups),
            (std::vector<std::string>{"data-2026-12-10.tfold", "data-2026-12-09.tfold"}));
  EXPECT_EQ(ReadWholeFile(backups[1].Path), first);  // before the day's first save
  EXPECT_NE(ReadWholeFile(backups[0].Path), afterMonday);
  TAccount tuesday;
  tuesday.LoadFromFile(backups[0].Path, true);
  EXPECT_EQ(tuesday.RowCount(), 3);  // the file as the evening left it
}

TEST_F(GlobalTest, TheFifteenthDayRemovesTheOldestBackup) {
  ASSERT_TRUE(Global().OpenDataFile());
  Global().SaveFile();  // the file exists from here on
  for (int day = 1; day <= 15; ++day) {
    clock = EncodeDate(2026, 11, day);
    AddAccount("day " + std::to_string(day));
    Global().SaveFile();
  }
  const auto backups = ListDailyBackups(DataFile());
  ASSERT_EQ(backups.size(), 14u);
  EXPECT_EQ(Names(backups).front(), "data-2026-11-15.tfold");
  EXPECT_EQ(Names(backups).back(), "data-2026-11-02.tfold");
  EXPECT_TRUE(fs::exists(fs::path(DataFile()).parent_path() / "backups"));
}

TEST_F(GlobalTest, OtherFilesInTheBackupsFolderAreLeftAlone) {
  WriteDataFile(DataFile(), "", "Food");
  const fs::path folder = fs::path(DailyBackupFolder(DataFile()));
  fs::create_directories(folder);
  for (const char* name : {"notes.txt", "data-2020-01-01.tfold.old",
                           "data-damaged-2020-01-01.tfold", "other-2020-01-01.tfold"})
    WriteFileAtomically((folder / name).string(), "x");
  ASSERT_TRUE(Global().OpenDataFile());
  for (int day = 1; day <= 20; ++day) {
    clock = EncodeDate(2026, 10, day);
    AddAccount("day " + std::to_string(day));  // a save with nothing to write keeps no backup
    Global().SaveFile();
  }
  EXPECT_EQ(ListDailyBackups(DataFile()).size(), 14u);
  for (const char* name : {"notes.txt", "data-2020-01-01.tfold.old",
                           "data-damaged-2020-01-01.tfold", "other-2020-01-01.tfold"})
    EXPECT_TRUE(fs::exists(folder / name)) << name;
}

TEST_F(GlobalTest, ADamagedDataFileIsOfferedTheNewestBackupThatReads) {
  WriteDataFile(DataFile(), "", "Food");
  ASSERT_TRUE(Global().OpenDataFile());
  clock = EncodeDate(2026, 12, 9);
  AddAccount("Savings");
  Global().SaveFile();  // keeps the file of one account as the 9th's backup
  clock = EncodeDate(2026, 12, 10);
  AddAccount("Loan");
  Global().SaveFile();  // keeps two accounts as the 10th's
  Start();
  // The 10th's backup and the data file are damaged since.
  WriteFileAtomically(DailyBackupPath(DataFile(), EncodeDate(2026, 12, 10)), "damaged");
  WriteFileAtomically(DataFile(), "damaged too");
  EXPECT_THROW(Global().OpenDataFile(), EStoreError);

  const std::optional<TDailyBackup> backup = NewestReadableBackup(DataFile());
  ASSERT_TRUE(backup.has_value());
  EXPECT_EQ(BackupDayText(*backup), "09 Dec 2026");
  EXPECT_EQ(ReadWholeFile(DataFile()), "damaged too");  // nothing written until the user chooses

  clock = EncodeDate(2026, 12, 11) + 0.5;
  ASSERT_TRUE(Global().OpenFromBackup(backup->Path));
  EXPECT_EQ(Global().Accounts.RowCount(), 1);
  const fs::path kept = fs::path(DataFile()).parent_path() / "data-damaged-2026-12-11-120000.tfold";
  EXPECT_EQ(ReadWholeFile(kept.string()), "damaged too");
  TAccount restored;
  restored.LoadFromFile(DataFile(), true);
  EXPECT_EQ(restored.RowCount(), 1);
}

TEST_F(GlobalTest, WithoutABackupThatReadsNoneIsOffered) {
  WriteFileAtomically(DataFile(), "damaged");
  fs::create_directories(DailyBackupFolder(DataFile()));
  WriteFileAtomically(DailyBackupPath(DataFile(), EncodeDate(2026, 1, 1)), "damaged as well");
  EXPECT_FALSE(NewestReadableBackup(DataFile()).has_value());
}

}  // namespace
}  // namespace tf

// The context as one writer among several: it saves only under the data
// file's lock, refuses every save when opened read-only, and keeps track of
// changes that are not on disk yet.
#include <gtest/gtest.h>

#include "GlobalFixture.h"
#include "app/Backup.h"
#include "store/FileLock.h"
#include "store/StoreError.h"

namespace tf {
namespace {

using namespace tf::testing;

TEST_F(GlobalTest, ASaveWhileAnotherProcessHoldsTheFileChangesNothing) {
  WriteDataFile(DataFile(), "", "Food");
  const std::string before = ReadWholeFile(DataFile());
  ASSERT_TRUE(Global().OpenDataFile());
  Global().Accounts.NewAccount();
  const TDataFileLock other(DataFile(), "tallyfold-cli import");
  EXPECT_THROW(Global().SaveFile(), EFileLocked);
  EXPECT_EQ(ReadWholeFile(DataFile()), before);
  EXPECT_TRUE(Global().HasUnsavedChanges());
}

TEST_F(GlobalTest, TheLockIsTakenBeforeOpeningAndClearsStaleTemporaries) {
  WriteDataFile(DataFile(), "", "Food");
  const std::string stale = DataFile() + ".tmp-Ab12Cd";
  WriteFileAtomically(stale, std::string(4096, 's'));
  Global().LockDataFile("Tallyfold");
  EXPECT_TRUE(Global().HoldsLock());
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_THROW(TDataFileLock(DataFile(), "tallyfold-cli import"), EFileLocked);
  Global().ReleaseLock();
  EXPECT_NO_THROW(TDataFileLock(DataFile(), "tallyfold-cli import"));
}

TEST_F(GlobalTest, OpenedReadOnlyEverySaveIsRefusedAndShutdownWritesNothing) {
  WriteDataFile(DataFile(), "", "Food");
  const std::string before = ReadWholeFile(DataFile());
  const TDataFileLock other(DataFile(), "tallyfold-cli import");
  Global().SetReadOnly("tallyfold-cli import (process 1 on pc, since today)");
  ASSERT_TRUE(Global().OpenDataFile());
  Global().Accounts.NewAccount();
  try {
    Global().SaveFile();
    ADD_FAILURE() << "a read-only save reported no error";
  } catch (const EFileError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot create file \"" + DataFile() +
                  "\". It was opened read-only while tallyfold-cli import (process 1 on pc, since "
                  "today) has it open.");
  }
  Global().ShutDown();
  EXPECT_EQ(ReadWholeFile(DataFile()), before);
  // A backup copy is still written from memory.
  const auto written = Global().CreateBackup(Path("copy.tfold"), kBackupDataFile);
  TAccount copy;
  copy.LoadFromFile(written.at(0), true);
  EXPECT_EQ(copy.RowCount(), 2);
}

TEST_F(GlobalTest, ChangesHeldInMemoryAreTrackedUntilASaveSucceeds) {
  std::vector<TSaveEvent> heard;
  Global().SetSaveListener([&heard](TSaveEvent event) { heard.push_back(event); });
  ASSERT_TRUE(Global().OpenDataFile());
  EXPECT_FALSE(Global().HasUnsavedChanges());
  Global().NoteChange();
  EXPECT_TRUE(Global().HasUnsavedChanges());
  fs::create_directories(DataFile());  // a folder where the file should go
  EXPECT_THROW(Global().SaveFile(), EFileError);
  EXPECT_TRUE(Global().HasUnsavedChanges());
  fs::remove(DataFile());
  Global().SaveFile();
  EXPECT_FALSE(Global().HasUnsavedChanges());
  EXPECT_EQ(heard, (std::vector<TSaveEvent>{TSaveEvent::ChangeNoted, TSaveEvent::SaveFailed,
                                            TSaveEvent::Saved}));
}

TEST_F(GlobalTest, AFailedSaveSaysWhatBecomesOfTheDataOnlyWhereThatIsTrue) {
  ASSERT_TRUE(Global().OpenDataFile());
  fs::create_directories(DataFile());
  const auto messageOfSave = [] {
    try {
      Global().SaveFile();
    } catch (const EFileError& error) {
      return std::string(error.what());
    }
    return std::string();
  };
  EXPECT_EQ(messageOfSave(),
            "Cannot create file \"" + DataFile() + "\". It is a folder, not a regular file.");
  Global().SetSaveFailureNote("The data stays in memory.");
  EXPECT_EQ(messageOfSave(),
            "Cannot create file \"" + DataFile() +
                "\". It is a folder, not a regular file. The data stays in memory.");
}

}  // namespace
}  // namespace tf

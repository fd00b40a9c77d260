// One writer at a time: the lock beside the data file refuses a second
// holder with the first one's name, goes with its holder however that ends,
// and follows a linked data file to its target.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "store/DataFile.h"
#include "store/FileLock.h"

namespace tf {
namespace {

namespace fs = std::filesystem;

struct FileLockTest : ::testing::Test {
  fs::path dir;
  std::string data;
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("tallyfold-lock-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    data = (dir / "data.tfold").string();
  }
  void TearDown() override { fs::remove_all(dir); }

  // A child process that takes the lock, says so through a pipe and waits
  // to be killed.
  pid_t ChildHoldingTheLock() {
    int ready[2];
    EXPECT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(ready[0]);
      try {
        TDataFileLock lock(data, "holder-child");
        const char byte = 1;
        if (::write(ready[1], &byte, 1) != 1) ::_exit(1);
        for (;;) ::pause();
      } catch (...) {
        ::_exit(1);
      }
    }
    ::close(ready[1]);
    char byte = 0;
    EXPECT_EQ(::read(ready[0], &byte, 1), 1) << "the child did not take the lock";
    ::close(ready[0]);
    return child;
  }
};

TEST_F(FileLockTest, ASecondWriterIsRefusedWithTheHoldersName) {
  const TDataFileLock first(data, "tallyfold-cli import");
  EXPECT_TRUE(fs::exists(data + ".lock"));
  try {
    TDataFileLock second(data, "Tallyfold");
    FAIL() << "the second lock was granted";
  } catch (const EFileLocked& locked) {
    EXPECT_EQ(locked.DataPath, data);
    const std::string expected =
        "tallyfold-cli import (process " + std::to_string(::getpid()) + " on ";
    EXPECT_EQ(locked.Holder.rfind(expected, 0), 0u) << locked.Holder;
    EXPECT_NE(std::string(locked.what()).find("\"" + data + "\" is in use by tallyfold-cli"),
              std::string::npos)
        << locked.what();
  }
}

TEST_F(FileLockTest, ReleasingRemovesTheLockFileAndLetsTheNextWriterIn) {
  { const TDataFileLock first(data, "first"); }
  EXPECT_FALSE(fs::exists(data + ".lock"));
  const TDataFileLock second(data, "second");
  EXPECT_TRUE(fs::exists(data + ".lock"));
}

TEST_F(FileLockTest, ALockLeftByAKilledProcessDoesNotBlock) {
  const pid_t child = ChildHoldingTheLock();
  EXPECT_THROW(TDataFileLock(data, "Tallyfold"), EFileLocked);
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(fs::exists(data + ".lock"));  // the file stays, the lock does not
  EXPECT_NO_THROW(TDataFileLock(data, "Tallyfold"));
}

TEST_F(FileLockTest, ALinkedDataFileIsLockedBesideItsTarget) {
  fs::create_directories(dir / "synced");
  const std::string target = (dir / "synced" / "data.tfold").string();
  WriteFileAtomically(target, "x");
  const std::string link = (dir / "linked.tfold").string();
  fs::create_symlink(target, link);
  const TDataFileLock byLink(link, "by link");
  EXPECT_TRUE(fs::exists(target + ".lock"));
  EXPECT_THROW(TDataFileLock(target, "by target"), EFileLocked);
}

TEST_F(FileLockTest, AFolderWhereNoLockFileCanBeMadeNamesTheLockFile) {
  const std::string missing = (dir / "missing" / "data.tfold").string();
  try {
    TDataFileLock lock(missing, "Tallyfold");
    FAIL();
  } catch (const EFileLocked&) {
    FAIL() << "reported as held";
  } catch (const EFileError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("Cannot create file \"" + missing + ".lock\". ", 0),
              0u)
        << error.what();
  }
}

}  // namespace
}  // namespace tf

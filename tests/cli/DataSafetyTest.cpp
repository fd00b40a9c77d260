// The command line as one writer among several: a file another process holds
// is refused with exit status 3 and left as it was while reading commands go
// on; a failed save says nothing was imported; backup only reads the data
// file; statements that are no files, or too large, are refused by name.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "CliFixture.h"
#include "model/Account.h"
#include "store/DataFile.h"
#include "store/FileLock.h"

namespace tf::testing {
namespace {

struct DataSafetyTest : CliFixture {
  std::string data;

  void SetUp() override {
    CliFixture::SetUp();
    data = Path("data.tfold");
    TAccount root;
    TAccount* account = root.NewAccount();
    account->FieldAt(TAccount::fAccountID)->SetValue(TVariant::String("{0A}"));
    account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String("Cheque"));
    root.SaveToFile(data, true);
  }

  std::string Import() const {
    return "import --data " + Quoted(data) + " --format 1 --account Cheque " +
           Quoted(std::string(TALLYFOLD_TEST_DATA) + "/import/absa.csv");
  }
  std::string Parse(const std::string& statement) const {
    return "parse --format 1 " + Quoted(statement);
  }
};

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST_F(DataSafetyTest, AnImportWhileAnotherProcessHoldsTheFileIsRefusedWithStatus3) {
  const std::string before = ReadWholeFile(data);
  {
    const TDataFileLock window(data, "Tallyfold");
    const TRun refused = Run(Import());
    EXPECT_EQ(refused.Status, 3) << refused.Err;
    EXPECT_TRUE(Contains(refused.Err,
                         "is in use by Tallyfold (process " + std::to_string(::getpid()) + " on "))
        << refused.Err;
    EXPECT_EQ(ReadWholeFile(data), before);

    // Commands that only read go on and see the last saved state.
    for (const std::string& reading :
         {"accounts --data " + Quoted(data), "dump " + Quoted(data),
          "transactions --data " + Quoted(data) + " Cheque",
          "backup --data " + Quoted(data) + " " + Quoted(Path("copy.tfold"))}) {
      const TRun run = Run(reading);
      EXPECT_EQ(run.Status, 0) << reading << ": " << run.Err;
    }
    EXPECT_EQ(ReadWholeFile(Path("copy.tfold")), before);
  }
  const TRun afterwards = Run(Import());
  EXPECT_EQ(afterwards.Status, 0) << afterwards.Err;
  EXPECT_NE(ReadWholeFile(data), before);
  EXPECT_FALSE(fs::exists(data + ".lock"));
}

TEST_F(DataSafetyTest, ALockLeftByAKilledProcessDoesNotBlock) {
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t holder = ::fork();
  if (holder == 0) {
    ::close(ready[0]);
    TDataFileLock lock(data, "Tallyfold");
    const char byte = 1;
    if (::write(ready[1], &byte, 1) != 1) ::_exit(1);
    for (;;) ::pause();
  }
  ::close(ready[1]);
  char byte = 0;
  ASSERT_EQ(::read(ready[0], &byte, 1), 1);
  ::close(ready[0]);
  EXPECT_EQ(Run(Import()).Status, 3);
  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  const TRun run = Run(Import());
  EXPECT_EQ(run.Status, 0) << run.Err;
}

TEST_F(DataSafetyTest, AFailedSaveSaysNothingWasImportedAndLeavesTheFile) {
  const std::string before = ReadWholeFile(data);
  ::chmod(data.c_str(), 0444);
  const TRun run = Run(Import());
  EXPECT_EQ(run.Status, 1);
  EXPECT_TRUE(Contains(run.Err, "Cannot create file \"" + data + "\". The file is read-only."))
      << run.Err;
  EXPECT_TRUE(
      Contains(run.Err, "Nothing was imported; the data file \"" + data + "\" is as it was."))
      << run.Err;
  EXPECT_FALSE(Contains(run.Err, "in memory")) << run.Err;
  EXPECT_FALSE(Contains(run.Out, "Imported")) << run.Out;
  EXPECT_EQ(ReadWholeFile(data), before);
}

TEST_F(DataSafetyTest, BackupCopiesTheFileWithoutWritingIt) {
  struct stat before {};
  ASSERT_EQ(::stat(data.c_str(), &before), 0);
  const std::string bytes = ReadWholeFile(data);
  const TRun run = Run("backup --data " + Quoted(data) + " " + Quoted(Path("saved.bak")));
  ASSERT_EQ(run.Status, 0) << run.Err;
  struct stat after {};
  ASSERT_EQ(::stat(data.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino) << "the data file was rewritten";
  EXPECT_EQ(ReadWholeFile(Path("saved.tfold")), bytes);

  // A backup that fails writes nothing, the data file included.
  const TRun failed =
      Run("backup --data " + Quoted(data) + " " + Quoted(Path("missing/saved.tfold")));
  EXPECT_EQ(failed.Status, 1);
  EXPECT_TRUE(Contains(failed.Err, Path("missing/saved.tfold"))) << failed.Err;
  ASSERT_EQ(::stat(data.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
}

TEST_F(DataSafetyTest, AStatementThatIsNoFileIsRefusedByItsKind) {
  const std::string fifo = Path("statement.csv");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  // Nobody writes into the pipe: reading it would wait for ever.
  const TRun pipe = Run(Parse(fifo));
  EXPECT_EQ(pipe.Status, 1);
  EXPECT_TRUE(Contains(pipe.Err, "\"" + fifo + "\" is a named pipe, not a file.")) << pipe.Err;

  const TRun device = Run(Parse("/dev/zero"));
  EXPECT_EQ(device.Status, 1);
  EXPECT_TRUE(Contains(device.Err, "\"/dev/zero\" is a device, not a file.")) << device.Err;

  const TRun dataPipe = Run("accounts --data " + Quoted(fifo));
  EXPECT_EQ(dataPipe.Status, 1);
  EXPECT_TRUE(Contains(dataPipe.Err, "It is a named pipe, not a regular file.")) << dataPipe.Err;
}

TEST_F(DataSafetyTest, AStatementOverTheLimitsIsRefusedNamingTheLimit) {
  const std::string huge = Path("huge.csv");
  {
    std::ofstream out(huge, std::ios::binary);
    out << "x";
  }
  fs::resize_file(huge, (std::uintmax_t{256} << 20) + 1);  // sparse: no disk space taken
  const TRun tooLarge = Run(Parse(huge));
  EXPECT_EQ(tooLarge.Status, 1);
  EXPECT_TRUE(Contains(tooLarge.Err, "is larger than the 256 MiB a statement may have"))
      << tooLarge.Err;

  const std::string longLine = Path("long.csv");
  WriteFileAtomically(longLine, "heading\n" + std::string((1u << 20) + 1, 'a') + "\n");
  const TRun tooLong = Run(Parse(longLine));
  EXPECT_EQ(tooLong.Status, 1);
  EXPECT_TRUE(Contains(tooLong.Err, "has a line longer than 1 MiB (line 2)")) << tooLong.Err;
}

}  // namespace
}  // namespace tf::testing

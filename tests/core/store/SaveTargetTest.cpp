// Where a save writes and what it refuses: a linked data file stays a link,
// a read-only file, a named pipe or a device is refused by name instead of
// being replaced, blocking or read without end, and the temporary files of
// killed saves are cleared away.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "StoreFixtures.h"
#include "store/DataFile.h"
#include "store/StoreError.h"

namespace tf {
namespace {

namespace fs = std::filesystem;
using namespace tf::testing;

struct SaveTargetTest : ::testing::Test {
  fs::path dir;
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("tallyfold-target-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  std::vector<std::string> Entries(const fs::path& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
      names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  static std::string ErrorOf(const std::function<void()>& work) {
    try {
      work();
    } catch (const EFileError& error) {
      return error.what();
    }
    return "";
  }
};

TEST_F(SaveTargetTest, ALinkedDataFileStaysALinkAndItsTargetReceivesTheSave) {
  fs::create_directories(dir / "synced");
  fs::create_directories(dir / "documents");
  const std::string target = Path("synced/data.tfold");
  const std::string link = Path("documents/data.tfold");
  WriteFileAtomically(target, "old");
  fs::create_symlink("../synced/data.tfold", link);  // relative, as users make them

  TAccount root;
  FillSampleTree(root);
  root.SaveToFile(link, true);

  EXPECT_TRUE(fs::is_symlink(link));
  TAccount back;
  back.LoadFromFile(target, true);
  EXPECT_TRUE(SameBytes(Content(back), Content(root)));
  EXPECT_EQ(Entries(dir / "documents"), std::vector<std::string>{"data.tfold"});
  EXPECT_EQ(Entries(dir / "synced"), std::vector<std::string>{"data.tfold"});
}

TEST_F(SaveTargetTest, AReadOnlyFileIsNotReplaced) {
  const std::string path = Path("data.tfold");
  WriteFileAtomically(path, "kept as it is");
  ::chmod(path.c_str(), 0444);
  TAccount root;
  EXPECT_EQ(ErrorOf([&] { root.SaveToFile(path, true); }),
            "Cannot create file \"" + path + "\". The file is read-only.");
  EXPECT_EQ(ReadWholeFile(path), "kept as it is");
  EXPECT_EQ(Entries(dir), std::vector<std::string>{"data.tfold"});
}

TEST_F(SaveTargetTest, ANamedPipeIsRefusedByNameForReadingAndWriting) {
  const std::string fifo = Path("data.tfold");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  // No writer ever opens the pipe: a read that waited for one would hang here.
  EXPECT_EQ(ErrorOf([&] { ReadWholeFile(fifo); }),
            "Cannot open file \"" + fifo + "\". It is a named pipe, not a regular file.");
  TAccount root;
  EXPECT_EQ(ErrorOf([&] { root.SaveToFile(fifo, true); }),
            "Cannot create file \"" + fifo + "\". It is a named pipe, not a regular file.");
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
}

TEST_F(SaveTargetTest, ADeviceIsRefusedInsteadOfReadWithoutEnd) {
  EXPECT_EQ(ErrorOf([] { ReadWholeFile("/dev/zero"); }),
            "Cannot open file \"/dev/zero\". It is a character device, not a regular file.");
  TAccount root;
  EXPECT_THROW(root.LoadFromFile("/dev/zero", true), EStoreError);
}

TEST_F(SaveTargetTest, StaleTemporaryFilesOfTheDataFileAreRemovedAndNothingElse) {
  const std::string path = Path("data.tfold");
  WriteFileAtomically(path, "data");
  for (const char* name :
       {"data.tfold.tmp-a1B2c3", "data.tfold.tmp-ZZZZZZ", "data.tfold.tmp-long12",
        "data.tfold.tmp-toolong", "other.tfold.tmp-a1B2c3", "data.tfold.bak"})
    WriteFileAtomically(Path(name), std::string(1000, 'x'));
  fs::create_directories(dir / "data.tfold.tmp-folder");

  EXPECT_EQ(RemoveStaleTemporaries(path), 3);
  EXPECT_EQ(Entries(dir),
            (std::vector<std::string>{"data.tfold", "data.tfold.bak", "data.tfold.tmp-folder",
                                      "data.tfold.tmp-toolong", "other.tfold.tmp-a1B2c3"}));
}

TEST_F(SaveTargetTest, ALinkLoopIsRefusedWithTheFileNamed) {
  const std::string a = Path("a.tfold"), b = Path("b.tfold");
  fs::create_symlink(b, a);
  fs::create_symlink(a, b);
  TAccount root;
  const std::string error = ErrorOf([&] { root.SaveToFile(a, true); });
  EXPECT_EQ(error.rfind("Cannot create file \"" + a + "\". ", 0), 0u) << error;
  EXPECT_TRUE(fs::is_symlink(a));
  EXPECT_TRUE(fs::is_symlink(b));
}

}  // namespace
}  // namespace tf

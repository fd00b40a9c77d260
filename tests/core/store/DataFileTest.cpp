#include "store/DataFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "StoreFixtures.h"
#include "store/StoreError.h"

namespace tf {
namespace {

namespace fs = std::filesystem;
using namespace tf::testing;

struct DataFileTest : ::testing::Test {
  fs::path dir;
  void SetUp() override {
    dir = fs::temp_directory_path() / ("tallyfold-store-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir);
  }
  std::string Path(const char* name) const { return (dir / name).string(); }
  void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  std::string ErrorOfLoading(const std::string& bytes) {
    const std::string path = Path("data.tfold");
    WriteBytes(path, bytes);
    TAccount root;
    try {
      root.LoadFromFile(path, true);
    } catch (const EStoreError& error) {
      return error.what();
    }
    return "";
  }
};

TEST_F(DataFileTest, SavedFileIsOneZlibStreamOfTheContent) {
  TAccount root;
  FillSampleTree(root);
  const std::string path = Path("data.tfold");
  root.SaveToFile(path, true);
  const std::string bytes = ReadWholeFile(path);
  ASSERT_GE(bytes.size(), 6u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x78);
  EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xDA);
  // Any inflater reads it: plain zlib uncompress gives back the content.
  const std::string content = Content(root);
  std::string inflated(content.size(), '\0');
  uLongf size = static_cast<uLongf>(inflated.size());
  ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(inflated.data()), &size,
                       reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()),
            Z_OK);
  EXPECT_TRUE(SameBytes(inflated, content));
  TAccount back;
  back.LoadFromFile(path, true);
  EXPECT_TRUE(SameBytes(Content(back), content));
  EXPECT_FALSE(back.Flag2);
  EXPECT_FALSE(back.Flag3);
  for (const auto& entry : fs::directory_iterator(dir))
    EXPECT_EQ(entry.path().filename(), "data.tfold") << "left behind";
}

TEST_F(DataFileTest, UncompressedFilesToo) {
  TAccount root;
  FillSampleTree(root);
  const std::string path = Path("plain.bin");
  root.SaveToFile(path, false);
  EXPECT_TRUE(SameBytes(ReadWholeFile(path), Content(root)));
  TAccount back;
  back.LoadFromFile(path, false);
  EXPECT_TRUE(SameBytes(Content(back), Content(root)));
}

std::string Compressed(const std::string& content) { return DeflateContent(content); }

TEST_F(DataFileTest, DamagedFilesRaiseOneClearError) {
  TAccount root;
  FillSampleTree(root);
  const std::string content = Content(root);
  const std::string good = Compressed(content);
  std::string flipped = good;
  flipped[flipped.size() / 2] ^= 0x55;
  std::string badTrailer = good;
  badTrailer.back() ^= 0x01;
  const std::string hugeLength = Compressed(std::string("\x0C\xFF\xFF\xFF\x7F" "abc", 8));
  struct Case { const char* what; std::string bytes; const char* expect; };
  const Case cases[] = {
      {"empty file", "", "Decompression error"},
      {"not zlib", "hello, world", "Decompression error"},
      {"cut short", good.substr(0, good.size() / 2), "Decompression error"},
      {"damaged data", flipped, "Decompression error"},
      {"wrong checksum", badTrailer, "Decompression error"},
      {"content cut short", Compressed(content.substr(0, content.size() - 3)), "Stream read error"},
      {"content after the root", Compressed(content + "x"), "Invalid stream operation"},
      {"a 2 GB length in a few bytes", hugeLength, "Stream read error"},
      {"wrong type byte", Compressed(std::string("\x09", 1)), "Invalid property value"},
  };
  for (const Case& c : cases) {
    const std::string message = ErrorOfLoading(c.bytes);
    EXPECT_NE(message.find(c.expect), std::string::npos) << c.what << ": " << message;
    EXPECT_NE(message.find(Path("data.tfold")), std::string::npos) << c.what << ": " << message;
  }
}

TEST_F(DataFileTest, MissingFile) {
  TAccount root;
  try {
    root.LoadFromFile(Path("absent.tfold"), true);
    FAIL();
  } catch (const EFileError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot open file \"" + Path("absent.tfold") + "\". No such file or directory");
  }
}

TEST_F(DataFileTest, FailedSaveLeavesTheOldFileAsItWas) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TAccount root;
  FillSampleTree(root);
  const std::string path = Path("data.tfold");
  root.SaveToFile(path, true);
  const std::string before = ReadWholeFile(path);
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  root.NewAccount();
  try {
    root.SaveToFile(path, true);
    FAIL();
  } catch (const EFileError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("Cannot create file \"" + path + "\". ", 0), 0u);
  }
  fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
  EXPECT_EQ(ReadWholeFile(path), before);
}

TEST_F(DataFileTest, FailedRenameLeavesNothingBehind) {
  // A folder where the file should go: the write succeeds, the rename cannot.
  const std::string path = Path("data.tfold");
  fs::create_directories(dir / "data.tfold" / "inside");
  TAccount root;
  EXPECT_THROW(root.SaveToFile(path, true), EFileError);
  EXPECT_TRUE(fs::is_directory(dir / "data.tfold" / "inside"));
  int entries = 0;
  for (const auto& entry : fs::directory_iterator(dir)) entries += entry.exists() ? 1 : 0;
  EXPECT_EQ(entries, 1) << "a temporary file was left behind";
}

TEST_F(DataFileTest, SaveIntoAMissingFolderNamesTheFile) {
  TAccount root;
  const std::string path = Path("no/such/folder/data.tfold");
  try {
    root.SaveToFile(path, true);
    FAIL();
  } catch (const EFileError& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot create file \"" + path + "\". No such file or directory");
  }
}

TEST_F(DataFileTest, SaveReplacesTheOldFileWhole) {
  const std::string path = Path("data.tfold");
  WriteBytes(path, std::string(100000, 'z'));
  ::chmod(path.c_str(), 0600);
  TAccount root;
  root.SaveToFile(path, true);
  TAccount back;
  back.LoadFromFile(path, true);
  EXPECT_TRUE(SameBytes(Content(back), Content(root)));
  struct stat info{};
  ::stat(path.c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

}  // namespace
}  // namespace tf

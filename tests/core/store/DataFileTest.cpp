#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "StoreFixtures.h"
#include "store/BlockDeflater.h"
#include "store/DataFile.h"
#include "store/StoreError.h"

namespace tf {
namespace {

namespace fs = std::filesystem;
using namespace tf::testing;

struct DataFileTest : ::testing::Test {
  fs::path dir;
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("tallyfold-store-" + std::to_string(::getpid()) + "-" +
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

// Enough rows for many independently compressed blocks.
void FillLargeTree(TAccount& root, int rows) {
  TTransactions* table = root.NewAccount()->TransactionsTable();
  for (int i = 0; i < rows; ++i) {
    TTransactions* row = table->NewTransaction();
    SetText(*row, TTransactions::fTransactionID, "{ROW-" + std::to_string(i * 7919 % 100003) + "}");
    SetText(*row, TTransactions::fDescription, "PURCHASE " + std::to_string(i * 31337 % 99991));
    row->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(TCurrency{i * 1234}));
  }
}

std::string Inflated(const std::string& bytes, std::size_t size) {
  std::string out(size + 16, '\0');
  uLongf length = static_cast<uLongf>(out.size());
  if (uncompress(reinterpret_cast<Bytef*>(out.data()), &length,
                 reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()) != Z_OK)
    return "not a zlib stream";
  out.resize(length);
  return out;
}

TEST_F(DataFileTest, LargeFilesStayOneStreamWhenPartsAreReused) {
  TAccount root;
  FillLargeTree(root, 4000);
  const std::string path = Path("data.tfold");
  root.SaveToFile(path, true);
  const std::string first = ReadWholeFile(path);
  const std::string content = Content(root);
  ASSERT_GT(content.size(), 8 * TBlockDeflater::kMinBlock);
  EXPECT_TRUE(SameBytes(Inflated(first, content.size()), content));
  // One edit in the middle, longer than before: the next save reuses the
  // untouched blocks and must still be exactly the new content.
  TTransactions* row = root.AccountAt(0)->TransactionsTable()->TransactionAt(2000);
  SetText(*row, TTransactions::fDescription, "EDITED AND MUCH LONGER THAN IT WAS BEFORE");
  root.SaveToFile(path, true);
  const std::string second = ReadWholeFile(path);
  EXPECT_TRUE(SameBytes(Inflated(second, content.size() + 100), Content(root)));
  TAccount back;
  back.LoadFromFile(path, true);
  EXPECT_TRUE(SameBytes(Content(back), Content(root)));
  // Unchanged blocks reappear byte for byte in the new file (all but the
  // checksum at the end).
  const std::string a = first.substr(0, first.size() - 4), b = second.substr(0, second.size() - 4);
  std::size_t common = 0;
  while (common < a.size() && common < b.size() && a[common] == b[common]) ++common;
  std::size_t commonEnd = 0;
  while (commonEnd < a.size() && commonEnd < b.size() &&
         a[a.size() - 1 - commonEnd] == b[b.size() - 1 - commonEnd])
    ++commonEnd;
  EXPECT_GT(common + commonEnd, a.size() / 2);
}

TEST_F(DataFileTest, LargeFilesInflateAheadOfTheReader) {
  TAccount root;
  FillLargeTree(root, 20000);
  const std::string path = Path("data.tfold");
  root.SaveToFile(path, true);
  const std::string bytes = ReadWholeFile(path);
  ASSERT_GT(bytes.size(), 256u * 1024);  // large enough for the second thread
  TAccount back;
  back.LoadFromFile(path, true);
  EXPECT_TRUE(SameBytes(Content(back), Content(root)));
  // A fault found by the inflating thread reaches the reader as the same error.
  EXPECT_NE(ErrorOfLoading(bytes.substr(0, bytes.size() * 3 / 4)).find("Decompression error"),
            std::string::npos);
  std::string damaged = bytes;
  damaged[damaged.size() / 3] ^= 0x5A;
  EXPECT_NE(ErrorOfLoading(damaged), "");
}

TEST_F(DataFileTest, EmptyContentIsAValidStream) {
  EXPECT_EQ(Inflated(DeflateContent(""), 0), "");
  const std::string text(300000, 'a');
  EXPECT_EQ(Inflated(DeflateContent(text), text.size()), text);
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

std::string Compressed(const std::string& content) {
  return DeflateContent(content);
}

TEST_F(DataFileTest, DamagedFilesRaiseOneClearError) {
  TAccount root;
  FillSampleTree(root);
  const std::string content = Content(root);
  const std::string good = Compressed(content);
  std::string flipped = good;
  flipped[flipped.size() / 2] ^= 0x55;
  std::string badTrailer = good;
  badTrailer.back() ^= 0x01;
  const std::string hugeLength =
      Compressed(std::string("\x0C\xFF\xFF\xFF\x7F"
                             "abc",
                             8));
  struct Case {
    const char* what;
    std::string bytes;
    const char* expect;
  };
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
  struct stat info {};
  ::stat(path.c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

}  // namespace
}  // namespace tf

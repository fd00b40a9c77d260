// Text documents written for the user: CR LF after every line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/TextFile.h"
#include "store/StoreError.h"

namespace tf {
namespace {

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

class SaveTextToFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("tf_textfile_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(SaveTextToFileTest, EndsEveryLineWithCrLf) {
  const struct {
    const char* Text;
    const char* Expected;
  } cases[] = {
      {"a\nb", "a\r\nb\r\n"},
      {"a\r\nb\r\n", "a\r\nb\r\n"},
      {"a\rb\n\nc", "a\r\nb\r\n\r\nc\r\n"},
      {"", ""},
      {"one", "one\r\n"},
  };
  const auto path = dir_ / "out.csv";
  for (const auto& c : cases) {
    SaveTextToFile(c.Text, path.string());
    EXPECT_EQ(ReadBytes(path), c.Expected) << c.Text;
  }
}

TEST_F(SaveTextToFileTest, AFailedWriteRaisesAndKeepsTheOldFile) {
  const auto path = dir_ / "kept.txt";
  SaveTextToFile("old", path.string());
  const auto missingFolder = dir_ / "no such folder" / "x.txt";
  EXPECT_THROW(SaveTextToFile("new", missingFolder.string()), EFileError);
  EXPECT_EQ(ReadBytes(path), "old\r\n");
}

}  // namespace
}  // namespace tf

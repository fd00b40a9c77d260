// Where the data file goes: the documents folder's "Tallyfold", created, and
// the fallbacks when the documents folder cannot be had.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "app/DataFolder.h"
#include "app/Global.h"
#include "store/DataFile.h"

namespace tf {
namespace {

namespace fs = std::filesystem;

struct DataFolderTest : ::testing::Test {
  fs::path root;
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("tallyfold-folder-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "program");
  }
  void TearDown() override { fs::remove_all(root); }

  TGlobalServices Services(std::function<std::optional<std::string>()> documents) const {
    TGlobalServices services;
    services.DocumentsFolder = std::move(documents);
    services.ProgramFolder = [this] { return (root / "program").string(); };
    return services;
  }
  std::string Program() const { return (root / "program").string() + "/"; }
};

TEST_F(DataFolderTest, IsTallyfoldInsideTheDocumentsFolderCreatedWithItsParents) {
  const std::string documents = (root / "home" / "Documents").string();
  for (const std::string& given : {documents, documents + "/"}) {
    fs::remove_all(root / "home");
    EXPECT_EQ(ResolveDataFolder(Services([&] { return std::optional(given); })),
              documents + "/Tallyfold/");
    EXPECT_TRUE(fs::is_directory(documents + "/Tallyfold"));
  }
}

TEST_F(DataFolderTest, FallsBackWhenTheDocumentsFolderCannotBeHad) {
  WriteFileAtomically((root / "file").string(), "not a folder");
  const std::string blocked = (root / "file").string();
  const struct {
    const char* Case;
    std::function<std::optional<std::string>()> Documents;
    std::string Expected;
  } cases[] = {
      {"query fails", [] { return std::optional<std::string>(); }, ""},
      {"no query at all", nullptr, ""},
      {"no file-system path", [] { return std::optional<std::string>(""); }, Program()},
      {"query raises", []() -> std::optional<std::string> { throw std::runtime_error("no shell"); },
       Program()},
      {"folder cannot be created", [&] { return std::optional(blocked); }, Program()},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ResolveDataFolder(Services(c.Documents)), c.Expected) << c.Case;
}

TEST_F(DataFolderTest, AnUnknownProgramFolderMeansTheWorkingDirectory) {
  TGlobalServices services;
  services.DocumentsFolder = [] { return std::optional<std::string>(""); };
  EXPECT_EQ(ResolveDataFolder(services), "");
  services.ProgramFolder = []() -> std::string { throw std::runtime_error("unknown"); };
  EXPECT_EQ(ResolveDataFolder(services), "");
}

TEST_F(DataFolderTest, TheContextComputesItOnceAndNamesTheDataFileInIt) {
  int queries = 0;
  const std::string documents = (root / "Documents").string();
  Global().Initialise(Services([&] {
    ++queries;
    return std::optional(documents);
  }));
  EXPECT_EQ(Global().GetDataFolder(), documents + "/Tallyfold/");
  EXPECT_EQ(Global().DataFilePath(), documents + "/Tallyfold/data.tfold");
  EXPECT_EQ(queries, 1);
  Global().Reset();
}

}  // namespace
}  // namespace tf

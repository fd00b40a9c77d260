// The data file of the command line: --data FILE or the default file in the
// documents folder, --password for a protected file, clear refusals.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "CliFixture.h"
#include "model/Account.h"
#include "model/Transactions.h"
#include "store/DataFile.h"

namespace tf {
namespace {

namespace fs = std::filesystem;
using namespace tf::testing;

struct CliDataTest : CliFixture {
  void SetUp() override {
    CliFixture::SetUp();
    fs::create_directories(dir / "config");
  }
  std::string DefaultFile() const { return Path("Documents/Tallyfold/data.tfold"); }
};

// One current account: starting balance 100, a live payment of 125.50 and a
// deleted one that the balance leaves out.
void WriteDataFile(const std::string& path, const std::string& password) {
  TAccount root(nullptr, TBoneKind::List);
  root.ListFieldAt(TAccount::lfPassword)->SetValue(TVariant::String(password));
  TAccount* account = root.NewAccount();
  account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String("Cheque"));
  account->FieldAt(TAccount::fAccountType)->SetValue(TVariant::String("Current Account"));
  account->FieldAt(TAccount::fStartingBalance)
      ->SetValue(TVariant::Currency(TCurrency::FromUnits(100)));
  for (int i = 0; i < 2; ++i) {
    TTransactions* row = account->TransactionsTable()->NewTransaction();
    row->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(TCurrency{-1255000}));
    row->Deleted = i == 1;
  }
  fs::create_directories(fs::path(path).parent_path());
  root.SaveToFile(path, true);
}

constexpr const char* kListing = "Cheque\tCurrent Account\t-25.50\n";

TEST_F(CliDataTest, ReadsTheNamedFileWithoutWritingIt) {
  WriteDataFile(Path("my data.tfold"), "");
  const std::string before = ReadWholeFile(Path("my data.tfold"));
  const TRun run = Run("accounts --data '" + Path("my data.tfold") + "'");
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out, kListing);
  EXPECT_EQ(ReadWholeFile(Path("my data.tfold")), before);
  EXPECT_FALSE(fs::exists(Path("Documents")));  // the default folder is left alone
}

TEST_F(CliDataTest, ReadsTheDefaultFileInTheDocumentsFolder) {
  WriteDataFile(DefaultFile(), "");
  const TRun run = Run("accounts");
  ASSERT_EQ(run.Status, 0) << run.Err;
  EXPECT_EQ(run.Out, kListing);
}

TEST_F(CliDataTest, AProtectedFileOpensOnlyWithItsPassword) {
  WriteDataFile(DefaultFile(), "Secret");
  const struct {
    const char* Options;
    int Status;
    const char* Message;
  } cases[] = {
      {"", 2, "is protected by a password; type it, pipe it to stdin, or give it with"},
      {"--password secret", 2, "The password given with --password does not open"},
      {"--password ''", 2, "The password given with --password does not open"},
      {"--password Secret", 0, ""},
      {"--password ' Secret '", 0, ""},
  };
  for (const auto& c : cases) {
    const TRun run = Run(std::string("accounts ") + c.Options);
    EXPECT_EQ(run.Status, c.Status) << c.Options << ": " << run.Err;
    EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
    if (c.Status == 0) {
      EXPECT_EQ(run.Out, kListing);
    } else {
      EXPECT_NE(run.Err.find(DefaultFile()), std::string::npos) << run.Err;
      EXPECT_EQ(run.Out, "");
    }
  }
}

TEST_F(CliDataTest, AMissingOrDamagedFileIsRefusedWithItsName) {
  WriteFileAtomically(Path("damaged.tfold"), "not a data file");
  const std::pair<std::string, std::string> cases[] = {
      {"", DefaultFile()},
      {"--data '" + Path("none.tfold") + "'", Path("none.tfold")},
      {"--data '" + Path("damaged.tfold") + "'", Path("damaged.tfold")},
  };
  for (const auto& [options, named] : cases) {
    const TRun run = Run("accounts " + options);
    EXPECT_EQ(run.Status, 1) << options;
    EXPECT_NE(run.Err.find(named), std::string::npos) << run.Err;
  }
  EXPECT_EQ(ReadWholeFile(Path("damaged.tfold")), "not a data file");
  EXPECT_FALSE(fs::exists(Path("none.tfold")));
}

TEST_F(CliDataTest, AMistakenCommandLineShowsTheUsage) {
  for (const char* args :
       {"accounts --data", "accounts --password", "accounts --password-file", "accounts extra",
        "accounts --data a --data b", "accounts --password a --password-file b"}) {
    const TRun run = Run(args);
    EXPECT_EQ(run.Status, 2) << args;
    EXPECT_NE(run.Err.find("usage: tallyfold-cli accounts"), std::string::npos) << run.Err;
  }
}

}  // namespace
}  // namespace tf

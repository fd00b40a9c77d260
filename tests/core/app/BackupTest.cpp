// The backup: the regular file saved first, then a complete copy under the
// chosen name with ".tfold", or one OFX statement per account.
#include <gtest/gtest.h>

#include "GlobalFixture.h"
#include "app/Backup.h"
#include "store/StoreError.h"

namespace tf {
namespace {

using namespace tf::testing;

TEST(BackupNames, TheDialogProposesTodayOrAllAccounts) {
  const TDateTime day = EncodeDate(2008, 1, 5);
  EXPECT_EQ(ProposedBackupName(kBackupDataFile, day), "05 Jan 2008");
  EXPECT_EQ(ProposedBackupName(kBackupOfx, day), "All Accounts Here");
  EXPECT_EQ(TGlobal::ProposedBackupName(kBackupDataFile), FormatDayMonthYear(Today()));
  ASSERT_EQ(BackupFileTypes().size(), 2u);
  EXPECT_STREQ(BackupFileTypes()[0].Name, "Tallyfold Data File");
  EXPECT_STREQ(BackupFileTypes()[0].Pattern, "*.tfold");
  EXPECT_STREQ(BackupFileTypes()[1].Name, "Open Financial Exchange");
  EXPECT_STREQ(BackupFileTypes()[1].Pattern, "*.ofx");
}

TEST(BackupNames, TheCopyTakesTheExtensionTfold) {
  const std::pair<const char*, const char*> cases[] = {
      {"/b/05 Jan 2008", "/b/05 Jan 2008.tfold"}, {"/b/05 Jan 2008.tfold", "/b/05 Jan 2008.tfold"},
      {"/b/copy.ofx", "/b/copy.tfold"},           {"/b/copy.old.bak", "/b/copy.old.tfold"},
      {"/b.d/copy", "/b.d/copy.tfold"},
  };
  for (const auto& [chosen, copy] : cases) EXPECT_EQ(BackupCopyPath(chosen), copy) << chosen;
  EXPECT_EQ(BackupOfxFolder("/b/All Accounts Here.ofx"), "/b/");
  EXPECT_EQ(BackupOfxFolder("All Accounts Here.ofx"), "");
}

TEST_F(GlobalTest, ADataFileBackupSavesFirstThenWritesACompleteCopy) {
  WriteDataFile(DataFile(), "pw", "Food");
  prompt.Answers = {std::string("pw")};
  ASSERT_TRUE(Global().OpenDataFile());
  Global()
      .Accounts.NewAccount()
      ->FieldAt(TAccount::fAccountName)
      ->SetValue(TVariant::String("New"));

  const auto written = Global().CreateBackup(Path("05 Jan 2008.bak"), kBackupDataFile);
  EXPECT_EQ(written, std::vector<std::string>{Path("05 Jan 2008.tfold")});
  EXPECT_FALSE(fs::exists(Path("05 Jan 2008.bak")));
  EXPECT_EQ(ReadWholeFile(Path("05 Jan 2008.tfold")), ReadWholeFile(DataFile()));
  EXPECT_EQ(ReadPassword(Path("05 Jan 2008.tfold")), "pw");

  Start();
  ASSERT_TRUE(Global().TakeCommandLine({"tallyfold", Path("05 Jan 2008.tfold")}));
  prompt.Answers = {std::string("pw")};
  ASSERT_TRUE(Global().OpenDataFile());
  EXPECT_EQ(Global().Accounts.RowCount(), 2);
}

TEST_F(GlobalTest, AnOfxBackupWritesOneStatementPerAccountIntoTheChosenFolder) {
  WriteDataFile(DataFile(), "", "Food");
  ASSERT_TRUE(Global().OpenDataFile());
  fs::create_directories(Path("backups"));
  const auto written = Global().CreateBackup(Path("backups/All Accounts Here.ofx"), kBackupOfx);
  ASSERT_EQ(written.size(), 1u);
  EXPECT_EQ(fs::path(written[0]).parent_path(), fs::path(Path("backups")));
  EXPECT_TRUE(fs::exists(written[0]));
  EXPECT_FALSE(fs::exists(Path("backups/All Accounts Here.ofx")));
}

TEST_F(GlobalTest, ABackupIntoAMissingFolderFailsWithTheFileNamed) {
  ASSERT_TRUE(Global().OpenDataFile());
  const std::string chosen = Path("missing/copy.tfold");
  try {
    Global().CreateBackup(chosen, kBackupDataFile);
    ADD_FAILURE() << "no error";
  } catch (const EFileError& error) {
    EXPECT_NE(std::string(error.what()).find(chosen), std::string::npos) << error.what();
  }
  EXPECT_TRUE(fs::exists(DataFile()));  // the regular file was saved before
}

}  // namespace
}  // namespace tf

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "import/CsvProfiles.h"
#include "model/Account.h"
#include "model/Budget.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"
#include "store/Bone.h"

namespace tf {
namespace {

TCsvProfile Capitec() {
  TCsvProfile p;
  p.Name = "Capitec";
  p.AccountID = "{11111111-2222-3333-4444-555555555555}";
  p.Separator = '\t';
  p.SkipLines = 3;
  p.DateColumn = 2;
  p.DateOrder = TDateOrder::YearMonthDay;
  p.InColumn = 4;
  p.OutColumn = 5;
  p.AmountColumn = 0;
  p.DescriptionColumns = {3, 1};
  p.DecimalSeparator = ',';
  p.BalanceColumn = 6;
  p.ColumnCount = 6;
  p.Heading = "Nr\tDate\tText\tIn\tOut\tBalance";
  return p;
}

void ExpectSame(const TCsvProfile& a, const TCsvProfile& b) {
  EXPECT_EQ(a.Name, b.Name);
  EXPECT_EQ(a.AccountID, b.AccountID);
  EXPECT_EQ(a.Separator, b.Separator);
  EXPECT_EQ(a.SkipLines, b.SkipLines);
  EXPECT_EQ(a.DateColumn, b.DateColumn);
  EXPECT_EQ(a.DateOrder, b.DateOrder);
  EXPECT_EQ(a.AmountColumn, b.AmountColumn);
  EXPECT_EQ(a.InColumn, b.InColumn);
  EXPECT_EQ(a.OutColumn, b.OutColumn);
  EXPECT_EQ(a.DescriptionColumns, b.DescriptionColumns);
  EXPECT_EQ(a.DecimalSeparator, b.DecimalSeparator);
  EXPECT_EQ(a.BalanceColumn, b.BalanceColumn);
  EXPECT_EQ(a.ColumnCount, b.ColumnCount);
  EXPECT_EQ(a.Heading, b.Heading);
}

class CsvProfiles : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove(path_); }

  // Saves `root` as the data file is saved and reads it back into `back`.
  std::string SaveAndLoad(const TAccount& root, TAccount& back) {
    root.SaveToFile(path_, true);
    back.LoadFromFile(path_, true);
    std::string content;
    root.SaveToStream(content);
    return content;
  }

  std::string path_ = (std::filesystem::temp_directory_path() /
                       ("tallyfold_csvprofiles_" + std::to_string(::getpid()) + ".tfold"))
                          .string();
};

TEST_F(CsvProfiles, AreStoredUnderTheirNameAndReadBackFromTheDataFile) {
  TAccount root;
  EXPECT_EQ(CsvProfilesTable(root), nullptr);
  StoreCsvProfile(root, Capitec());
  TCsvProfile other = Capitec();
  other.Name = "Tyme";
  other.Separator = ',';
  StoreCsvProfile(root, other);
  TCsvProfile renamed = Capitec();
  renamed.Name = "CAPITEC";  // the same profile: names ignore letter case
  renamed.SkipLines = 1;
  StoreCsvProfile(root, renamed);

  TAccount back;
  SaveAndLoad(root, back);
  const std::vector<TCsvProfile> profiles = LoadCsvProfiles(back);
  ASSERT_EQ(profiles.size(), 2u);
  ExpectSame(profiles[0], renamed);
  EXPECT_EQ(profiles[1].Name, "Tyme");
  TCsvProfile found;
  ASSERT_TRUE(FindCsvProfile(back, "tyme", found));
  EXPECT_EQ(found.Separator, ',');
  EXPECT_TRUE(DeleteCsvProfile(back, "Tyme"));
  EXPECT_FALSE(FindCsvProfile(back, "Tyme", found));
  EXPECT_EQ(LoadCsvProfiles(back).size(), 1u);
}

// The profiles are a child table the account reader does not know: it must
// keep the table, its rows and every field through a load and a save, so
// that a version without profiles writes such a file back unchanged.
TEST_F(CsvProfiles, SurviveTheReaderThatDoesNotKnowThemByteForByte) {
  TAccount root;
  TAccount* account = root.NewAccount();
  account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String("Cheque"));
  TTransactions* transaction = account->TransactionsTable()->NewTransaction();
  transaction->FieldAt(TTransactions::fDescription)->SetValue(TVariant::String("Coffee"));
  StoreCsvProfile(root, Capitec());
  TBone* profileRow = CsvProfilesTable(root)->RowAt(0);
  // A field a newer version might add stays too.
  TBoneField* extra = profileRow->Fields().AddField();
  extra->Define("Encoding", "Encoding", "", 0, true, TVariant::String(""), TBoneFieldKind::String);
  extra->SetValue(TVariant::String("windows-1252"));

  TAccount back;
  const std::string written = SaveAndLoad(root, back);
  std::string rewritten;
  back.SaveToStream(rewritten);
  EXPECT_EQ(rewritten, written);
  ASSERT_EQ(back.ChildCount(), 4);
  EXPECT_NE(dynamic_cast<TBudget*>(back.ChildAt(1)), nullptr);
  EXPECT_NE(dynamic_cast<TImportSettings*>(back.ChildAt(2)), nullptr);
  EXPECT_EQ(back.AccountAt(0)->TransactionsTable()->RowCount(), 1);
  ExpectSame(LoadCsvProfiles(back).at(0), Capitec());
  EXPECT_EQ(CsvProfilesTable(back)->RowAt(0)->Fields().FieldByName("Encoding")->AsString(),
            "windows-1252");
}

}  // namespace
}  // namespace tf

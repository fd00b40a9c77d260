// The statement format last chosen (8 is "Other bank (CSV)") and the
// getting-started panel flag.
#include <gtest/gtest.h>

#include "app/AppPreferences.h"
#include "base/MemoryPreferenceStore.h"

namespace tf {
namespace {

TEST(ImportFileIndex, FallsBackToFiveUnlessAFormatNumberIsStored) {
  const std::pair<const char*, int> cases[] = {
      {"1", 1},  {"7", 7}, {"3", 3}, {" 2 ", 2}, {"", 5},   {"abc", 5},         {"2.5", 5},
      {"3x", 5}, {"0", 5}, {"8", 8}, {"9", 5},   {"-1", 5}, {"99999999999", 5},
  };
  for (const auto& [stored, expected] : cases) {
    TMemoryPreferenceStore store{{"importfileindex", stored}};
    EXPECT_EQ(TAppPreferences(store).GetImportFileIndex(), expected) << '"' << stored << '"';
  }
  TMemoryPreferenceStore empty;
  EXPECT_EQ(TAppPreferences(empty).GetImportFileIndex(), 5);
}

TEST(ImportFileIndex, IsStoredAsDecimalText) {
  TMemoryPreferenceStore store;
  TAppPreferences preferences(store);
  preferences.SetImportFileIndex(6);
  EXPECT_EQ(store.ReadSetting("importfileindex"), "6");
  EXPECT_EQ(preferences.GetImportFileIndex(), 6);
}

TEST(ShowHelp, AnyStoredTextHidesThePanel) {
  const std::pair<const char*, bool> cases[] = {
      {"", true}, {"no", false}, {"yes", false}, {" ", false}};
  for (const auto& [stored, expected] : cases) {
    TMemoryPreferenceStore store{{"showhelp", stored}};
    EXPECT_EQ(TAppPreferences(store).ShowHelp(), expected) << '"' << stored << '"';
  }
  TMemoryPreferenceStore empty;
  EXPECT_TRUE(TAppPreferences(empty).ShowHelp());
}

TEST(ShowHelp, HidingWritesNoAndAllowingWritesEmptyText) {
  TMemoryPreferenceStore store;
  TAppPreferences preferences(store);
  preferences.SetShowHelp(false);
  EXPECT_EQ(store.ReadSetting("showhelp"), "no");
  EXPECT_FALSE(preferences.ShowHelp());
  preferences.SetShowHelp(true);
  EXPECT_TRUE(store.Contains("showhelp"));
  EXPECT_EQ(store.ReadSetting("showhelp"), "");
  EXPECT_TRUE(preferences.ShowHelp());
}

}  // namespace
}  // namespace tf

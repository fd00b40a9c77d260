// The QSettings preference store, kept away from the user's real settings by
// Qt's test mode and a separate application name.
#include <gtest/gtest.h>

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include "base/NumberFormat.h"
#include "platform/QtPreferenceStore.h"

namespace tf {
namespace {

const QString kOrganization = QStringLiteral("Quillmere");
const QString kApplication = QStringLiteral("Tallyfold Tests");

class QtPreferenceStoreTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { QStandardPaths::setTestModeEnabled(true); }
  void SetUp() override { Clear(); }
  void TearDown() override { Clear(); }

  static void Clear() {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganization, kApplication).clear();
  }

  TQtPreferenceStore store_{kOrganization, kApplication};
};

TEST_F(QtPreferenceStoreTest, MissingValuesReadAsEmptyText) {
  EXPECT_EQ(store_.ReadSetting("thousands"), "");
  EXPECT_EQ(TNumberFormat(store_).FormatAmount(123456.78), "123,456.78");
}

TEST_F(QtPreferenceStoreTest, ValuesSurviveANewStore) {
  const std::pair<const char*, const char*> values[] = {
      {"thousands", " "},       {"decimal", ","},       {"showhelp", "no"},
      {"importfileindex", "3"}, {"TfrmMain_W", "1024"}, {"unicode", "\xC2\xA0\xE2\x82\xAC"},
      {"commas", "a, b"},
  };
  for (const auto& [name, value] : values) store_.WriteSetting(name, value);
  TQtPreferenceStore reopened(kOrganization, kApplication);
  for (const auto& [name, value] : values) EXPECT_EQ(reopened.ReadSetting(name), value) << name;
  store_.WriteSetting("showhelp", "");
  EXPECT_EQ(reopened.ReadSetting("showhelp"), "");
}

TEST_F(QtPreferenceStoreTest, AValueOfAnotherTypeReadsAsEmptyText) {
  QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganization, kApplication)
      .setValue("decimal", QStringList{QStringLiteral("a"), QStringLiteral("b")});
  EXPECT_EQ(store_.ReadSetting("decimal"), "");
  EXPECT_EQ(TNumberFormat(store_).GetDecimalSeparator(), ".");
}

}  // namespace
}  // namespace tf

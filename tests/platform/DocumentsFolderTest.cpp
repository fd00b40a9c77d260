// The user's documents folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QString>

#include "platform/DocumentsFolder.h"

namespace tf {
namespace {

TEST(DocumentsFolder, IsAnAbsolutePathWithoutTrailingSeparator) {
  const std::string folder = UserDocumentsFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(QDir::isAbsolutePath(QString::fromStdString(folder))) << folder;
  EXPECT_NE(folder.back(), '/') << folder;
}

}  // namespace
}  // namespace tf

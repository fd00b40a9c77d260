// The program's version information: the seven texts a version resource
// would hold, here taken from values of the build, for the settings dialog
// and the error report.
#pragma once

#include <QString>

namespace tf {

class TVersionInfo {
 public:
  TVersionInfo();

  const QString& ProductName() const { return ProductName_; }
  const QString& ProductVersion() const { return ProductVersion_; }
  const QString& CompanyName() const { return CompanyName_; }
  const QString& FileVersion() const { return FileVersion_; }
  const QString& Comments() const { return Comments_; }
  const QString& InternalName() const { return InternalName_; }
  const QString& FileDescription() const { return FileDescription_; }

  // The product's home page, opened from the settings dialog.
  static QString HomePage();
  // Where error reports are mailed.
  static QString SupportAddress();

 private:
  QString ProductName_, ProductVersion_, CompanyName_, FileVersion_, Comments_, InternalName_,
      FileDescription_;
};

}  // namespace tf

#include "gui/app/VersionInfo.h"

namespace tf {

TVersionInfo::TVersionInfo()
    : ProductName_(QStringLiteral("Tallyfold")),
      ProductVersion_(QStringLiteral(TALLYFOLD_VERSION)),
      CompanyName_(QStringLiteral("Quillmere")),
      FileVersion_(QStringLiteral(TALLYFOLD_VERSION)),
      Comments_(QStringLiteral("Personal finance manager")),
      InternalName_(QStringLiteral("tallyfold")),
      FileDescription_(QStringLiteral("Tallyfold personal finance manager")) {}

QString TVersionInfo::HomePage() {
  return QStringLiteral(TALLYFOLD_HOME_PAGE);
}

QString TVersionInfo::SupportAddress() {
  return QStringLiteral(TALLYFOLD_SUPPORT_ADDRESS);
}

}  // namespace tf

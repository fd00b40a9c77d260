#include "platform/DocumentsFolder.h"

#include <QStandardPaths>

namespace tf {

std::string UserDocumentsFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

}  // namespace tf

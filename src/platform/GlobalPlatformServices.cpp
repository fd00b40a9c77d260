#include "platform/GlobalPlatformServices.h"

#include <QCoreApplication>
#include <QDir>

#include "platform/DocumentsFolder.h"
#include "platform/QtPreferenceStore.h"

namespace tf {
namespace {

std::optional<std::string> DocumentsOrHome() {
  const std::string documents = UserDocumentsFolder();
  if (!documents.empty()) return documents;
  const std::string home = QDir::homePath().toStdString();
  if (!home.empty()) return home;
  return std::nullopt;
}

}  // namespace

std::string ProgramFolder() {
  if (QCoreApplication::instance() == nullptr) return "";
  return QCoreApplication::applicationDirPath().toStdString();
}

TGlobalServices GlobalPlatformServices() {
  TGlobalServices services;
  services.Preferences = std::make_unique<TQtPreferenceStore>();
  services.DocumentsFolder = DocumentsOrHome;
  services.ProgramFolder = ProgramFolder;
  return services;
}

}  // namespace tf

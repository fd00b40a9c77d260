#include "gui/app/DesktopGlobalServices.h"

#include <QApplication>

#include "gui/app/FrmPasswordPrompt.h"
#include "platform/DocumentsFolder.h"
#include "platform/QtPreferenceStore.h"

namespace tf {

TGlobalServices DesktopGlobalServices() {
  TGlobalServices services;
  services.Preferences = std::make_unique<TQtPreferenceStore>();
  services.DocumentsFolder = []() -> std::optional<std::string> {
    std::string folder = UserDocumentsFolder();
    if (folder.empty()) return std::nullopt;
    return folder;
  };
  services.ProgramFolder = [] { return QCoreApplication::applicationDirPath().toStdString(); };
  services.PasswordPrompt = [](const std::string& initial) {
    return TfrmPasswordPrompt::Ask(QApplication::activeWindow(), initial);
  };
  return services;
}

}  // namespace tf

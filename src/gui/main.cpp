// tallyfold: the desktop program. Wires the application context to the
// desktop services, runs start-up, the event loop and shutdown; every window
// lives in the tallyfold_gui library.
#include <memory>

#include "app/Global.h"
#include "gui/app/Application.h"
#include "gui/app/CommandLine.h"
#include "gui/app/DesktopGlobalServices.h"
#include "gui/app/ErrorReporter.h"
#include "gui/app/FormLook.h"
#include "gui/app/FrmMain.h"
#include "gui/app/FrmSettings.h"
#include "gui/app/ShownProbe.h"
#include "gui/workspace/RowEditors.h"
#include "platform/LocaleNumberFormat.h"
#include "platform/TerminationSignals.h"

int main(int argc, char** argv) {
  tf::TApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Quillmere"));
  QCoreApplication::setApplicationName(QStringLiteral("Tallyfold"));
  QApplication::setFont(tf::FormFont());
  QApplication::setWindowIcon(tf::ProgramIcon());
  tf::LoadSystemNumberFormat();

  tf::TGlobal& global = tf::Global();
  global.Initialise(tf::DesktopGlobalServices());
  // Edit and EditList of the model rows open the page's dialogs.
  tf::RegisterRowEditors(global);
  tf::TErrorReporter reporter(global);
  app.SetErrorHandler([&reporter](const std::string& message) { reporter.Report(message); });

  std::unique_ptr<tf::TfrmMain> window;
  const bool created = app.RunGuarded([&] {
    tf::TStartDialogs dialogs;
    dialogs.OpenBackup = [&reporter](const std::string& message, const std::string& day) {
      return reporter.OfferBackup(message, day);
    };
    window = std::make_unique<tf::TfrmMain>(global, tf::DefaultMainPages(global),
                                            tf::DataFileArguments(app.arguments()), dialogs);
  });
  if (!created) return 1;
  QObject::connect(window.get(), &tf::TfrmMain::settingsRequested, window.get(),
                   [&] { tf::TfrmSettings::ShowSettings(global, window.get()); });

  tf::CloseOnTerminationSignals([&window] { window->close(); });
  app.RunGuarded([&] { window->Start(); });
  int result = 0;
  if (!reporter.CloseDownRequested() && !window->QuitRequested()) {
    tf::CloseWhenShownIfAsked(*window);
    window->show();
    result = app.exec();
  }
  // After the event loop: purge and save, then the pages go with the window.
  app.RunGuarded([&] { window->ShutDown(); });
  window.reset();
  global.LeaveDataToExit();
  return result;
}

#include "gui/app/ErrorReporter.h"

#include <QApplication>
#include <QStringList>

#include "app/Global.h"
#include "gui/app/DesktopServices.h"
#include "gui/app/FrmErrorWindow.h"
#include "gui/app/VersionInfo.h"

namespace tf {

TErrorReporter::TErrorReporter(TGlobal& global, TPresenter presenter)
    : Global_(global), Presenter_(presenter ? std::move(presenter) : ShowErrorWindow) {}

void TErrorReporter::Report(const std::string& message) {
  Global_.TraceError(message);
  // An error while the window is up (say, in its own buttons) is only traced:
  // a second window on top of the first would help nobody.
  if (Showing_) return;
  Showing_ = true;
  const bool closeDown = Presenter_(ReportText(Global_));
  Showing_ = false;
  if (!closeDown) return;
  CloseDown_ = true;
  QCoreApplication::exit(0);
}

QString TErrorReporter::ReportText(const TGlobal& global) {
  QStringList lines{TVersionInfo().FileVersion()};
  for (const std::string& entry : global.TraceLog().Entries())
    lines << QString::fromStdString(entry);
  return lines.join(QLatin1Char('\n'));
}

bool TErrorReporter::ShowErrorWindow(const QString& report) {
  TfrmErrorWindow window(
      [](const QString& to, const QString& subject, const QString& body) {
        SendMail(to, subject, body, QApplication::activeWindow());
      },
      QApplication::activeWindow());
  return window.ShowErrorReport(report);
}

}  // namespace tf

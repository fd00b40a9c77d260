#include "gui/app/ErrorReporter.h"

#include <QApplication>
#include <QStringList>

#include "app/Global.h"
#include "gui/app/DesktopServices.h"
#include "gui/app/FrmErrorWindow.h"
#include "gui/app/VersionInfo.h"

namespace tf {

TErrorReporter::TErrorReporter(TGlobal& global, TPresenter presenter,
                               TOfferPresenter offerPresenter)
    : Global_(global),
      Presenter_(presenter ? std::move(presenter) : ShowErrorWindow),
      OfferPresenter_(offerPresenter ? std::move(offerPresenter) : ShowErrorWindowWithOffer) {}

bool TErrorReporter::ReportWithOffer(const std::string& message, const QString& offer,
                                     const QString& button) {
  Global_.TraceError(message);
  if (Showing_) return false;
  Showing_ = true;
  const int result = OfferPresenter_(ReportText(Global_), offer, button);
  Showing_ = false;
  if (result == TfrmErrorWindow::kTakeOffer) return true;
  if (result != TfrmErrorWindow::kCloseDown) return false;
  CloseDown_ = true;
  QCoreApplication::exit(0);
  return false;
}

bool TErrorReporter::OfferBackup(const std::string& message, const std::string& day) {
  const QString date = QString::fromStdString(day);
  return ReportWithOffer(
      message,
      QStringLiteral("The data file cannot be read. The newest backup that reads holds your data "
                     "as it was on %1. Opening it keeps the damaged file beside it.")
          .arg(date),
      QStringLiteral("Open Backup of %1").arg(date));
}

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

int TErrorReporter::ShowErrorWindowWithOffer(const QString& report, const QString& offer,
                                             const QString& button) {
  TfrmErrorWindow window(
      [](const QString& to, const QString& subject, const QString& body) {
        SendMail(to, subject, body, QApplication::activeWindow());
      },
      QApplication::activeWindow());
  window.SetOffer(offer, button);
  window.SetReport(report);
  return window.exec();
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

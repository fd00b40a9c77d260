#include "gui/app/DesktopServices.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

#include "base/TextFile.h"

namespace tf {
namespace {

// "https://...", "mailto:..." and the like; a file that exists wins, so an
// odd file name with a colon still opens as a file.
bool IsAddress(const QString& target) {
  static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
  return scheme.match(target).hasMatch() && !QFileInfo::exists(target);
}

QByteArray Encoded(const QString& text) {
  return QUrl::toPercentEncoding(text);
}

QString WithCrLf(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text;
}

}  // namespace

void OpenDocument(const QString& target) {
  const QUrl url =
      IsAddress(target) ? QUrl(target) : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
  QDesktopServices::openUrl(url);
}

QUrl MailtoUrl(const QString& to, const QString& subject, const QString& body) {
  QByteArray encoded = "mailto:" + QUrl::toPercentEncoding(to, "@");
  encoded += "?subject=" + Encoded(subject);
  encoded += "&body=" + Encoded(WithCrLf(body));
  return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

bool SendMail(const QString& to, const QString& subject, const QString& body, QWidget* parent) {
  if (!QDesktopServices::openUrl(MailtoUrl(to, subject, body)))
    QMessageBox::critical(parent, QStringLiteral("Error"),
                          QStringLiteral("Error while trying to send email"));
  return true;
}

void SaveTextToFile(const QString& text, const QString& fileName) {
  tf::SaveTextToFile(text.toStdString(), fileName.toStdString());
}

}  // namespace tf

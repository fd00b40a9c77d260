// What the program hands to the desktop: opening a document or an address
// with the user's default program, mailing through the user's mail program
// (a mailto: hand-over) and writing a text file for the user.
#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace tf {

// A file name opens with its default program, an address (with a scheme such
// as https:) in the browser. Nothing is reported when the desktop declines.
void OpenDocument(const QString& target);

// mailto:TO?subject=...&body=... with everything percent-encoded and the
// body's line breaks as CR LF.
QUrl MailtoUrl(const QString& to, const QString& subject, const QString& body);

// Opens the user's mail program with the message filled in, for the user to
// send. When no mail program takes it, says so in an error box. Always true.
bool SendMail(const QString& to, const QString& subject, const QString& body,
              QWidget* parent = nullptr);

// The text with CR LF after every line, replacing the file; a failure raises
// the core's file error.
void SaveTextToFile(const QString& text, const QString& fileName);

}  // namespace tf

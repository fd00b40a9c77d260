// What the report windows hosted by the report chooser ask of the desktop:
// a file name to save under (with a default name) and opening a written
// document, gathered so that a test can answer without a modal dialog.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "gui/app/WorkspaceDialogs.h"

class QWidget;

namespace tf {

struct TReportWindowDialogs {
  // A file to write; filters as "Caption (*.ext)", the first one offered.
  // The real dialog asks before overwriting. No value after Cancel.
  std::function<std::optional<TChosenFile>(QWidget* parent, const QString& title,
                                           const QStringList& filters, const QString& defaultName)>
      ChooseSaveFile;
  // Opens a written document with the desktop's program for it.
  std::function<void(const QString& path)> OpenDocument;
  // Tells the user that something could not be done.
  std::function<void(QWidget* parent, const QString& title, const QString& text)> Warn;
};

// The program's real dialogs.
const TReportWindowDialogs& DesktopReportWindowDialogs();

}  // namespace tf

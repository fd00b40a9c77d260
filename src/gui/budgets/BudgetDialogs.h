// What the budget page hands to the desktop besides the workspace's
// questions: the export's save dialog, whose name box starts filled in, and
// opening the written document. Tests replace both.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "gui/app/WorkspaceDialogs.h"

class QWidget;

namespace tf {

struct TBudgetDialogs {
  // A file to write, the name box holding `presetName`; filters as
  // "Caption (*.ext)", initialFilter from 1. An existing file is not asked about.
  std::function<std::optional<TChosenFile>(QWidget* parent, const QString& title,
                                           const QString& presetName, const QStringList& filters,
                                           int initialFilter)>
      ChooseExportFile;
  // Opens a written document with the desktop's program for it.
  std::function<void(const QString& path)> OpenDocument;
};

// The program's real dialog and desktop hand-over.
const TBudgetDialogs& DesktopBudgetDialogs();

}  // namespace tf

// The small questions the transactions page and its dialogs put to the user
// (an input box, a Yes/No confirmation, a message, a date, the category
// editor), gathered so that a test can answer them without a modal loop.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "store/DateTime.h"

class QDialog;
class QWidget;

namespace tf {

// A file picked in an open or save dialog, with the filter chosen there
// (1 the first of the list).
class TGlobal;

struct TChosenFile {
  QString Path;
  int FilterIndex = 1;
};

struct TWorkspaceDialogs {
  // The typed answer after Ok; no value after Cancel.
  std::function<std::optional<QString>(QWidget* parent, const QString& title,
                                       const QString& prompt)>
      AskText;
  // True unless the answer is No (closing the box counts as No).
  std::function<bool(QWidget* parent, const QString& text)> Confirm;
  std::function<void(QWidget* parent, const QString& title, const QString& text)> Inform;
  std::function<void(QWidget* parent, const QString& title, const QString& text)> Warn;
  // The chosen date, or 0 after Cancel.
  std::function<TDateTime(QWidget* parent, TDateTime initial)> PickDate;
  // Runs the category editor; true when it stored the list.
  std::function<bool(QWidget* parent)> ManageCategories;
  // An existing file to read; filters as "Caption (*.ext)", initialFilter from 1.
  std::function<std::optional<TChosenFile>(QWidget* parent, const QString& title,
                                           const QStringList& filters, int initialFilter)>
      ChooseOpenFile;
  // A file to write; the real dialog asks before overwriting.
  std::function<std::optional<TChosenFile>(QWidget* parent, const QString& title,
                                           const QStringList& filters, int initialFilter)>
      ChooseSaveFile;
  // Shows a dialog of the page (the import dialog) modally: its result code.
  std::function<int(QDialog& dialog)> Exec;
  // As ChooseSaveFile, the dialog opening on `proposedName` in the documents
  // folder. Callers fall back on ChooseSaveFile when this is not set.
  std::function<std::optional<TChosenFile>(QWidget* parent, const QString& title,
                                           const QStringList& filters, int initialFilter,
                                           const QString& proposedName)>
      ChooseSaveFileNamed;
};

// The program's real dialogs; the category editor works on `global`.
TWorkspaceDialogs DesktopDialogs(TGlobal& global);

}  // namespace tf

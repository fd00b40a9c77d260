// The small questions the transactions page and its dialogs put to the user
// (an input box, a Yes/No confirmation, a message, a date, the category
// editor), gathered so that a test can answer them without a modal loop.
#pragma once

#include <functional>
#include <optional>

#include <QString>

#include "store/DateTime.h"

class QWidget;

namespace tf {

struct TWorkspaceDialogs {
  // The typed answer after Ok; no value after Cancel.
  std::function<std::optional<QString>(QWidget* parent, const QString& title,
                                       const QString& prompt)>
      AskText;
  // True unless the answer is No (closing the box counts as No).
  std::function<bool(QWidget* parent, const QString& text)> Confirm;
  std::function<void(QWidget* parent, const QString& title, const QString& text)> Inform;
  // The chosen date, or 0 after Cancel.
  std::function<TDateTime(QWidget* parent, TDateTime initial)> PickDate;
  // Runs the category editor; true when it stored the list.
  std::function<bool(QWidget* parent)> ManageCategories;
};

// The program's real dialogs.
const TWorkspaceDialogs& DesktopDialogs();

}  // namespace tf

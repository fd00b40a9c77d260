// What the calculators ask of the desktop: a file to save the repayment
// schedule in, a warning, and opening the written document. Gathered so
// that a test can answer them without a modal loop or a browser.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace tf {

struct TCalculatorDialogs {
  // The chosen file, proposed under `defaultName`; no value after Cancel.
  std::function<std::optional<QString>(QWidget* parent, const QString& defaultName)>
      ChooseScheduleFile;
  std::function<void(QWidget* parent, const QString& title, const QString& text)> Warn;
  // Opens a written document with the desktop's default program.
  std::function<void(const QString& path)> Open;
};

// The program's real dialogs and the desktop's default programs.
const TCalculatorDialogs& DesktopCalculatorDialogs();

}  // namespace tf

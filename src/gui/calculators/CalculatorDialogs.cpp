#include "gui/calculators/CalculatorDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

#include "gui/app/DesktopServices.h"

namespace tf {
namespace {

std::optional<QString> ChooseScheduleFile(QWidget* parent, const QString& defaultName) {
  QFileDialog dialog(parent, QStringLiteral("Save Repayment Schedule"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QStringLiteral("HTML File (*.htm)"));
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  dialog.selectFile(QDir(documents).filePath(defaultName));
  dialog.setSizeGripEnabled(true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

void Warn(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

}  // namespace

const TCalculatorDialogs& DesktopCalculatorDialogs() {
  static const TCalculatorDialogs dialogs{ChooseScheduleFile, Warn,
                                          [](const QString& path) { OpenDocument(path); }};
  return dialogs;
}

}  // namespace tf

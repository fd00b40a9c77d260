#include "gui/reports/ReportWindowDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

#include "gui/app/DesktopServices.h"

namespace tf {
namespace {

std::optional<TChosenFile> ChooseSaveFile(QWidget* parent, const QString& title,
                                          const QStringList& filters, const QString& defaultName) {
  QFileDialog dialog(parent, title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(filters);
  dialog.selectFile(defaultName);
  dialog.setSizeGripEnabled(true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return TChosenFile{dialog.selectedFiles().first(),
                     static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

void Warn(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

}  // namespace

const TReportWindowDialogs& DesktopReportWindowDialogs() {
  static const TReportWindowDialogs dialogs{ChooseSaveFile, &tf::OpenDocument, Warn};
  return dialogs;
}

}  // namespace tf

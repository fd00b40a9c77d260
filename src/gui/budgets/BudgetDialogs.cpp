#include "gui/budgets/BudgetDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "gui/app/DesktopServices.h"

namespace tf {
namespace {

std::optional<TChosenFile> ChooseExportFile(QWidget* parent, const QString& title,
                                            const QString& presetName, const QStringList& filters,
                                            int initialFilter) {
  QFileDialog dialog(parent, title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The export appends its own extension, so the name asked about here is
  // not always the one written.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.setNameFilters(filters);
  if (initialFilter >= 1 && initialFilter <= filters.size())
    dialog.selectNameFilter(filters.at(initialFilter - 1));
  dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  dialog.selectFile(presetName);
  dialog.setSizeGripEnabled(true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return TChosenFile{dialog.selectedFiles().first(),
                     static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

void Open(const QString& path) {
  OpenDocument(path);
}

}  // namespace

const TBudgetDialogs& DesktopBudgetDialogs() {
  static const TBudgetDialogs dialogs{ChooseExportFile, Open};
  return dialogs;
}

}  // namespace tf

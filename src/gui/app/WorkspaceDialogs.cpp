#include "gui/app/WorkspaceDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>

#include "gui/app/FrmDatePicker.h"
#include "gui/workspace/FrmCategoryManagement.h"

namespace tf {
namespace {

std::optional<QString> AskText(QWidget* parent, const QString& title, const QString& prompt) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, {}, &ok);
  if (!ok) return std::nullopt;
  return text;
}

bool Confirm(QWidget* parent, const QString& text) {
  const auto answer = QMessageBox::question(parent, QApplication::applicationName(), text,
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
  return answer != QMessageBox::No;
}

void Inform(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

void Warn(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

std::optional<TChosenFile> ChooseFile(QWidget* parent, const QString& title,
                                      const QStringList& filters, int initialFilter,
                                      QFileDialog::AcceptMode mode,
                                      const QString& proposedName = {}) {
  QFileDialog dialog(parent, title);
  if (!proposedName.isEmpty()) {
    dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog.selectFile(proposedName);
  }
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setNameFilters(filters);
  if (initialFilter >= 1 && initialFilter <= filters.size())
    dialog.selectNameFilter(filters.at(initialFilter - 1));
  dialog.setSizeGripEnabled(true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return TChosenFile{dialog.selectedFiles().first(),
                     static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

std::optional<TChosenFile> ChooseOpenFile(QWidget* parent, const QString& title,
                                          const QStringList& filters, int initialFilter) {
  return ChooseFile(parent, title, filters, initialFilter, QFileDialog::AcceptOpen);
}

std::optional<TChosenFile> ChooseSaveFile(QWidget* parent, const QString& title,
                                          const QStringList& filters, int initialFilter) {
  return ChooseFile(parent, title, filters, initialFilter, QFileDialog::AcceptSave);
}

std::optional<TChosenFile> ChooseSaveFileNamed(QWidget* parent, const QString& title,
                                               const QStringList& filters, int initialFilter,
                                               const QString& proposedName) {
  return ChooseFile(parent, title, filters, initialFilter, QFileDialog::AcceptSave, proposedName);
}

int Exec(QDialog& dialog) {
  return dialog.exec();
}

}  // namespace

TWorkspaceDialogs DesktopDialogs(TGlobal& global) {
  TWorkspaceDialogs dialogs{
      AskText, Confirm,        Inform,         Warn, &TfrmDatePicker::PickDate,
      {},      ChooseOpenFile, ChooseSaveFile, Exec, ChooseSaveFileNamed};
  dialogs.ManageCategories = [&global](QWidget* parent) {
    TfrmCategoryManagement dialog(global, DesktopDialogs(global), parent);
    return dialog.exec() == QDialog::Accepted;
  };
  return dialogs;
}

}  // namespace tf

#include "gui/app/BackupFileDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "app/Backup.h"

namespace tf {
namespace {

QString FilterText(const TBackupFileType& type) {
  return QStringLiteral("%1 (%2)").arg(QString::fromLatin1(type.Name),
                                       QString::fromLatin1(type.Pattern));
}

QStringList Filters() {
  QStringList filters;
  for (const TBackupFileType& type : BackupFileTypes()) filters << FilterText(type);
  return filters;
}

bool FolderExists(const QString& path) {
  return QFileInfo(path).absoluteDir().exists();
}

}  // namespace

TBackupFileDialog::TBackupFileDialog(QWidget* parent) : QFileDialog(parent) {
  setWindowTitle(QStringLiteral("Create Backup"));
  // The name has to follow the type as it changes, which only Qt's own dialog reports.
  setOption(QFileDialog::DontUseNativeDialog);
  setAcceptMode(QFileDialog::AcceptSave);
  setFileMode(QFileDialog::AnyFile);
  setNameFilters(Filters());
  setSizeGripEnabled(true);
  connect(this, &QFileDialog::filterSelected, this, &TBackupFileDialog::ProposeNameFor);
  selectNameFilter(Filters().front());
  ProposeNameFor(Filters().front());
}

int TBackupFileDialog::SelectedFileType() const {
  const QStringList filters = Filters();
  const qsizetype index = filters.indexOf(selectedNameFilter());
  return index < 0 ? kBackupDataFile : BackupFileTypes()[static_cast<std::size_t>(index)].Number;
}

void TBackupFileDialog::ProposeNameFor(const QString& filter) {
  const qsizetype index = Filters().indexOf(filter);
  const int type =
      index < 0 ? kBackupDataFile : BackupFileTypes()[static_cast<std::size_t>(index)].Number;
  selectFile(QString::fromStdString(ProposedBackupName(type, Today())));
}

std::optional<TBackupChoice> TBackupFileDialog::Choose(QWidget* parent) {
  TBackupFileDialog dialog(parent);
  while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString path = dialog.selectedFiles().front();
    if (FolderExists(path)) return TBackupChoice{path.toStdString(), dialog.SelectedFileType()};
    QMessageBox::warning(&dialog, QStringLiteral("Create Backup"),
                         QStringLiteral("The folder \"%1\" does not exist. Please choose another.")
                             .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath())));
  }
  return std::nullopt;
}

}  // namespace tf

#include "gui/workspace/TransactionExportCommand.h"

#include <QString>
#include <QStringList>

#include "gui/app/WorkspaceDialogs.h"
#include "reports/TransactionExport.h"

namespace tf {

std::optional<std::string> ExportTransactions(QWidget* parent, const TWorkspaceDialogs& dialogs,
                                              const std::vector<const TTransactions*>& rows,
                                              const QString& proposedName) {
  const QStringList filters = {QString::fromLatin1(kExportCsvFilter),
                               QString::fromLatin1(kExportXlsFilter)};
  const QString title = QString::fromLatin1(kExportDialogTitle);
  const std::optional<TChosenFile> chosen =
      dialogs.ChooseSaveFileNamed && !proposedName.isEmpty()
          ? dialogs.ChooseSaveFileNamed(parent, title, filters, 1, proposedName)
          : dialogs.ChooseSaveFile(parent, title, filters, 1);
  if (!chosen || chosen->Path.isEmpty()) return std::nullopt;
  const TExportForm form = chosen->FilterIndex == 2 ? TExportForm::Xls : TExportForm::Csv;
  const std::string path = ExportFileName(chosen->Path.toStdString(), form);
  WriteTransactionExport(path, TransactionExportText(rows, form));
  return path;
}

}  // namespace tf

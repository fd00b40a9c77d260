#include "gui/workspace/TransactionExportCommand.h"

#include <QStringList>

#include "gui/workspace/WorkspaceDialogs.h"
#include "reports/TransactionExport.h"

namespace tf {

bool ExportTransactions(QWidget* parent, const TWorkspaceDialogs& dialogs,
                        const std::vector<const TTransactions*>& rows) {
  const QStringList filters = {QString::fromLatin1(kExportCsvFilter),
                               QString::fromLatin1(kExportXlsFilter)};
  const std::optional<TChosenFile> chosen =
      dialogs.ChooseSaveFile(parent, QString::fromLatin1(kExportDialogTitle), filters, 1);
  if (!chosen || chosen->Path.isEmpty()) return false;
  const TExportForm form = chosen->FilterIndex == 2 ? TExportForm::Xls : TExportForm::Csv;
  const std::string path = ExportFileName(chosen->Path.toStdString(), form);
  WriteTransactionExport(path, TransactionExportText(rows, form));
  return true;
}

}  // namespace tf

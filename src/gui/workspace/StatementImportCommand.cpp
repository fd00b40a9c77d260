#include "gui/workspace/StatementImportCommand.h"

#include <QFile>
#include <memory>
#include <optional>

#include "app/Global.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/workspace/FrmStatementImport.h"
#include "import/CSVParser.h"
#include "import/StatementCheck.h"
#include "import/StatementFormats.h"

namespace tf {
namespace {

// The format of the chosen filter; the one the dialog opened with when the
// dialog names no filter of the list.
int ChosenFormat(const TChosenFile& chosen, int initial) {
  const int count = static_cast<int>(StatementFormats().size());
  return chosen.FilterIndex >= 1 && chosen.FilterIndex <= count ? chosen.FilterIndex : initial;
}

}  // namespace

QStringList StatementOpenFilters() {
  QStringList filters;
  for (const TStatementFormat& format : StatementFormats())
    filters << QString::fromStdString(StatementFormatFilter(format));
  return filters;
}

bool ImportStatement(QWidget* parent, TGlobal& global, TAccount* selectedAccount,
                     const TWorkspaceDialogs& dialogs) {
  const int initial = global.GetImportFileIndex();
  const std::optional<TChosenFile> chosen = dialogs.ChooseOpenFile(
      parent, QString::fromLatin1(kStatementOpenTitle), StatementOpenFilters(), initial);
  if (!chosen || chosen->Path.isEmpty()) return false;
  const int format = ChosenFormat(*chosen, initial);
  global.SetImportFileIndex(format);
  const std::unique_ptr<TCSVParser> parser = global.CreateStatementParser(format);
  const std::string refusal =
      LoadCheckedStatement(*parser, format, QFile::encodeName(chosen->Path).toStdString());
  if (!refusal.empty()) {
    dialogs.Warn(parent, QStringLiteral("Warning"), QString::fromStdString(refusal));
    return false;
  }
  TfrmStatementImport dialog(dialogs, parent);
  return dialog.ImportLines(*parser, global.Accounts, selectedAccount);
}

}  // namespace tf

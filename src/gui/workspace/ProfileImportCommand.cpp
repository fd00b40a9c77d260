#include "gui/workspace/ProfileImportCommand.h"

#include <QComboBox>

#include "app/Global.h"
#include "gui/app/RowCombos.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/workspace/FrmCsvMapping.h"
#include "gui/workspace/FrmStatementImport.h"
#include "import/CsvProfiles.h"
#include "import/ProfileCSVParser.h"
#include "import/StatementCheck.h"
#include "import/StatementFile.h"
#include "import/StatementImport.h"
#include "model/Account.h"

namespace tf {
namespace {

// The account the profile was last used for, when it is still there.
TAccount* ProfileAccount(TAccount& root, const TCsvProfile& profile, TAccount* fallback) {
  if (profile.AccountID.empty()) return fallback;
  TAccount* account = root.FindAccount(profile.AccountID);
  return account != nullptr && !account->Deleted ? account : fallback;
}

void Refuse(QWidget* parent, const TWorkspaceDialogs& dialogs, const TLeftOutEntries& leftOut) {
  QString text = QString::fromLatin1(kEmptyStatementMessage);
  const std::string reasons = LeftOutMessage(leftOut);
  if (!reasons.empty()) text += QStringLiteral(" (%1)").arg(QString::fromStdString(reasons));
  dialogs.Warn(parent, QStringLiteral("Warning"), text);
}

}  // namespace

bool ImportWithProfile(QWidget* parent, TGlobal& global, TAccount* selectedAccount,
                       const TWorkspaceDialogs& dialogs, const std::string& fileName) {
  const std::vector<std::string> lines = ReadStatementLines(fileName);
  if (lines.empty()) {
    Refuse(parent, dialogs, {});
    return false;
  }
  const std::vector<TCsvProfile> profiles = LoadCsvProfiles(global.Accounts);
  TfrmCsvMapping mapping(lines, profiles, FirstFittingProfile(profiles, lines), GuessProfile(lines),
                         parent);
  if (dialogs.Exec(mapping) != QDialog::Accepted) return false;
  TCsvProfile profile = mapping.Profile();
  TProfileCSVParser parser(profile);
  parser.LoadLines(lines);
  if (parser.Lines.empty()) {
    Refuse(parent, dialogs, parser.LeftOut);
    return false;
  }
  // Kept even if the import is cancelled now: the next save writes it.
  StoreCsvProfile(global.Accounts, profile);
  TfrmStatementImport import(dialogs, parent);
  const bool imported = import.ImportLines(
      parser, global.Accounts, ProfileAccount(global.Accounts, profile, selectedAccount));
  if (const auto* target = dynamic_cast<TAccount*>(SelectedRow(*import.cbxAccount));
      imported && target != nullptr) {
    profile.AccountID = target->FieldAt(TAccount::fAccountID)->AsString();
    StoreCsvProfile(global.Accounts, profile);
  }
  return imported;
}

}  // namespace tf

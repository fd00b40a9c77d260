#include "gui/workspace/RowEditors.h"

#include <QApplication>

#include "app/Global.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/workspace/FrmAccountEdit.h"
#include "gui/workspace/FrmImportSettingsEdit.h"
#include "gui/workspace/FrmImportSettingsListEdit.h"
#include "gui/workspace/FrmTransactionsEdit.h"
#include "model/Account.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"

namespace tf {
namespace {

QWidget* OwnerOf(void* ownerWindow) {
  return ownerWindow != nullptr ? static_cast<QWidget*>(ownerWindow) : QApplication::activeWindow();
}

template <class Dialog>
bool RunModal(Dialog& dialog) {
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

void RegisterRowEditors(TGlobal& global, const TWorkspaceDialogs& dialogs) {
  TAccount::Editor() = [&global, &dialogs](TAccount& row, void* owner) {
    TfrmAccountEdit dialog(global, row, dialogs, OwnerOf(owner));
    return RunModal(dialog);
  };
  TTransactions::Editor() = [&global, &dialogs](TTransactions& row, void* owner) {
    TfrmTransactionsEdit dialog(global, row, dialogs, OwnerOf(owner));
    return RunModal(dialog);
  };
  TImportSettings::Editor() = [&global](TImportSettings& row, void* owner) {
    TfrmImportSettingsEdit dialog(global, row, OwnerOf(owner));
    return RunModal(dialog);
  };
  TImportSettings::ListEditor() = [&global, &dialogs](TImportSettings& table) {
    TfrmImportSettingsListEdit dialog(global, table, dialogs, OwnerOf(nullptr));
    dialog.exec();
  };
}

void RegisterRowEditors(TGlobal& global) {
  RegisterRowEditors(global, DesktopDialogs(global));
}

}  // namespace tf

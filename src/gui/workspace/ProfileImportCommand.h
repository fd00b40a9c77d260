// The import's "Other bank (CSV)" type: the statement is read through a
// column mapping the user makes, or picks among the saved profiles (the one
// that fits the file offered first), then imported as any other statement.
#pragma once

#include <string>

class QWidget;

namespace tf {

class TAccount;
class TGlobal;
struct TWorkspaceDialogs;

// The open dialog's type after the seven fixed formats.
inline constexpr int kOtherBankFilter = 8;
inline constexpr const char* kOtherBankFilterText = "Other bank (CSV)\u2026 (*.csv *.txt)";

// Runs the mapping dialog over the file, stores the profile in the data
// (with the account it is used for), then runs the import dialog. True when
// rows were imported, as ImportStatement. A file that cannot be read raises
// TStatementFileError.
bool ImportWithProfile(QWidget* parent, TGlobal& global, TAccount* selectedAccount,
                       const TWorkspaceDialogs& dialogs, const std::string& fileName);

}  // namespace tf

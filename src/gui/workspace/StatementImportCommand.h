// "Import Transactions" of the transactions page: the statement file and its
// format, the parser, then the import dialog. Recalculating, refreshing and
// saving afterwards are the page's part.
#pragma once

#include <QStringList>

class QWidget;

namespace tf {

class TAccount;
class TGlobal;
struct TWorkspaceDialogs;

inline constexpr const char* kStatementOpenTitle = "Open bank statement";

// The open dialog's type list, in the order of the format numbers 1 to 7,
// then "Other bank (CSV)…", read through a column mapping.
QStringList StatementOpenFilters();

// Asks for the file and its format, takes the format the file's first lines
// show where they show one (remembering it for the next time), reads the
// file and runs the import dialog over its rows into the root
// accounts, `selectedAccount` preselected. True when rows were imported (or
// all found to be there already); false after either dialog was cancelled, or
// for an empty file or one that does not read as the chosen format, which is
// reported. A file that cannot be read raises
// TStatementFileError.
bool ImportStatement(QWidget* parent, TGlobal& global, TAccount* selectedAccount,
                     const TWorkspaceDialogs& dialogs);

}  // namespace tf

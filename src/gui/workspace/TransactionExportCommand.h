// "Export to..." of the transactions page: the save dialog, then the listed
// rows written as comma-separated text or as an HTML table named .xls.
#pragma once

#include <vector>

class QWidget;

namespace tf {

class TTransactions;
struct TWorkspaceDialogs;

// Asks for the file and writes the rows in grid order; false when the
// dialog was cancelled. A write error leaves as EFileError.
bool ExportTransactions(QWidget* parent, const TWorkspaceDialogs& dialogs,
                        const std::vector<const TTransactions*>& rows);

}  // namespace tf

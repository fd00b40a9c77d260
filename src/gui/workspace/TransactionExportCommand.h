// "Export to..." of the transactions page: the save dialog, then the listed
// rows written as comma-separated text or as an HTML table named .xls.
#pragma once

#include <optional>
#include <string>
#include <vector>

class QString;
class QWidget;

namespace tf {

class TTransactions;
struct TWorkspaceDialogs;

// Asks for the file (proposing `proposedName`) and writes the rows in grid
// order: the path written, or none when the dialog was cancelled. A write
// error leaves as EFileError.
std::optional<std::string> ExportTransactions(QWidget* parent, const TWorkspaceDialogs& dialogs,
                                              const std::vector<const TTransactions*>& rows,
                                              const QString& proposedName);

}  // namespace tf

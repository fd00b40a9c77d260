// The listed transactions as a file for a spreadsheet: comma-separated text
// that the own statement layout reads back, or an HTML table saved as .xls.
// These functions build text; only WriteTransactionExport touches the disk.
#pragma once

#include <string>
#include <vector>

namespace tf {

class TTransactions;

// The forms of the save dialog, by its filter index.
enum class TExportForm { Csv = 1, Xls = 2 };

inline constexpr const char* kExportDialogTitle = "Export transaction to ...";
inline constexpr const char* kExportCsvFilter = "CSV File (*.csv)";
inline constexpr const char* kExportXlsFilter = "Excel File (*.xls)";
inline constexpr const char* kExportCsvHeading =
    "Date,Type,Description,Category,Sub Category,Amount,Balance";

// The seven exported values of a transaction, in column order.
std::vector<std::string> ExportValues(const TTransactions& transaction);

// One value between double quotes, an inner double quote doubled.
std::string QuoteCsvValue(const std::string& value);

// The heading line and one line per transaction, every line ending in CR LF.
// Null entries (grid rows without a transaction) are passed over.
std::string TransactionsCsvText(const std::vector<const TTransactions*>& transactions);
// The same rows as an HTML table; every value is escaped.
std::string TransactionsXlsText(const std::vector<const TTransactions*>& transactions);
std::string TransactionExportText(const std::vector<const TTransactions*>& transactions,
                                  TExportForm form);

// The chosen name with its extension replaced by the form's ".csv" or
// ".xls", or that extension added when the name has none.
std::string ExportFileName(const std::string& chosen, TExportForm form);

// Writes the text so that a failure never leaves half a file; throws
// EFileError with the path and the reason.
void WriteTransactionExport(const std::string& path, const std::string& text);

}  // namespace tf

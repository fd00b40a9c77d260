#include "reports/TransactionExport.h"

#include "model/Transactions.h"
#include "reports/HtmlEscape.h"
#include "store/DataFile.h"

namespace tf {
namespace {

constexpr const char* kCRLF = "\r\n";
constexpr const char* kHeadings[] = {"Date",         "Type",   "Description", "Category",
                                     "Sub Category", "Amount", "Balance"};

std::string FieldText(const TTransactions& transaction, int field) {
  return transaction.FieldAt(field)->AsString();
}

std::string CsvLine(const TTransactions& transaction) {
  std::string line;
  for (const std::string& value : ExportValues(transaction)) {
    if (!line.empty()) line += ',';
    line += QuoteCsvValue(value);
  }
  return line;
}

std::string XlsHeadingRows() {
  std::string text = std::string("<html>") + kCRLF + "<body>" + kCRLF + "<table border=\"1\">" +
                     kCRLF + "<tr>" + kCRLF;
  for (const char* heading : kHeadings) text += std::string("  <th>") + heading + "</th>" + kCRLF;
  return text + "</tr>" + kCRLF;
}

std::string XlsRow(const TTransactions& transaction) {
  std::string line = "<tr>";
  for (const std::string& value : ExportValues(transaction)) {
    line += "  <td>" + HtmlEscape(value) + "</td>";
  }
  return line + "</tr>";
}

// The start of the extension in the name's last path part, or npos.
std::size_t ExtensionStart(const std::string& name) {
  const std::size_t slash = name.find_last_of("/\\");
  const std::size_t base = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = name.rfind('.');
  return dot != std::string::npos && dot > base ? dot : std::string::npos;
}

}  // namespace

std::vector<std::string> ExportValues(const TTransactions& transaction) {
  return {FieldText(transaction, TTransactions::fDate),
          transaction.TransactionTypeName(),
          FieldText(transaction, TTransactions::fDescription),
          transaction.MainCategory(),
          transaction.SubCategory(),
          FieldText(transaction, TTransactions::fAmount),
          FieldText(transaction, TTransactions::fBalance)};
}

std::string QuoteCsvValue(const std::string& value) {
  std::string quoted = "\"";
  for (char c : value) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + '"';
}

std::string TransactionsCsvText(const std::vector<const TTransactions*>& transactions) {
  std::string text = std::string(kExportCsvHeading) + kCRLF;
  for (const TTransactions* transaction : transactions) {
    if (transaction != nullptr) text += CsvLine(*transaction) + kCRLF;
  }
  return text;
}

std::string TransactionsXlsText(const std::vector<const TTransactions*>& transactions) {
  std::string text = XlsHeadingRows();
  for (const TTransactions* transaction : transactions) {
    if (transaction != nullptr) text += XlsRow(*transaction) + kCRLF;
  }
  return text + "</table>" + kCRLF + "</body>" + kCRLF + "</html>" + kCRLF;
}

std::string TransactionExportText(const std::vector<const TTransactions*>& transactions,
                                  TExportForm form) {
  return form == TExportForm::Xls ? TransactionsXlsText(transactions)
                                  : TransactionsCsvText(transactions);
}

std::string ExportFileName(const std::string& chosen, TExportForm form) {
  const std::size_t extension = ExtensionStart(chosen);
  const std::string stem = extension == std::string::npos ? chosen : chosen.substr(0, extension);
  return stem + (form == TExportForm::Xls ? ".xls" : ".csv");
}

void WriteTransactionExport(const std::string& path, const std::string& text) {
  WriteFileAtomically(path, text);
}

}  // namespace tf

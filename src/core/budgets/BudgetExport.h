// The budget export: one month's budget lines as a comma-delimited file or as
// the budget HTML document, and the file names the export chooses.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tf {

class TBudget;
class TNumberFormat;

// The save dialog's two filters, by their index.
enum class TBudgetExportForm { Csv = 1, Html = 2 };

// "Budget for Mar 2026".
std::string BudgetExportDefaultName(int year, int month);

// The chosen name with ".csv" or ".html" appended unless its extension,
// compared in capitals, is already that one: report.htm becomes
// report.htm.html in the HTML form.
std::string BudgetExportFileName(const std::string& chosen, TBudgetExportForm form);

// The form a path asks for by its extension (any case): .csv, or .htm and
// .html; none for any other extension.
std::optional<TBudgetExportForm> BudgetExportFormOf(const std::string& path);

// The lines are sorted as the budget page lists them; amounts of the lines
// through `format` (the preference separators), those of the HTML summary
// with the system's separators. Every line of the text ends with CR LF.
std::string BudgetCsv(const std::vector<TBudget*>& lines, TNumberFormat& format);
std::string BudgetHtml(const std::vector<TBudget*>& lines, int year, int month,
                       TNumberFormat& format);
std::string BudgetDocument(TBudgetExportForm form, const std::vector<TBudget*>& lines, int year,
                           int month, TNumberFormat& format);

}  // namespace tf

// "Export" of the budget page: the save dialog with the month's name preset,
// then the listed lines written as a comma-delimited file or as the budget
// document, which opens in the browser.
#pragma once

#include <vector>

class QWidget;

namespace tf {

class TBudget;
class TNumberFormat;
struct TBudgetDialogs;

// The dialog's title and its two filters, HTML preselected.
extern const char* const kBudgetExportTitle;
extern const char* const kBudgetCsvFilter;
extern const char* const kBudgetHtmlFilter;

// Asks for the file and writes the lines; false when the dialog was
// cancelled. A write error leaves as EFileError and nothing is opened.
bool ExportBudget(QWidget* parent, const TBudgetDialogs& dialogs,
                  const std::vector<TBudget*>& lines, int year, int month, TNumberFormat& format);

}  // namespace tf

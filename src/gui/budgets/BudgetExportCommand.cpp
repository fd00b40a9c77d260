#include "gui/budgets/BudgetExportCommand.h"

#include <QStringList>

#include "base/TextFile.h"
#include "budgets/BudgetExport.h"
#include "gui/budgets/BudgetDialogs.h"

namespace tf {

const char* const kBudgetExportTitle = "Export Budget";
const char* const kBudgetCsvFilter = "Comma Delimited File (*.csv)";
const char* const kBudgetHtmlFilter = "HTML File (*.htm)";

bool ExportBudget(QWidget* parent, const TBudgetDialogs& dialogs,
                  const std::vector<TBudget*>& lines, int year, int month, TNumberFormat& format) {
  const QStringList filters = {QString::fromLatin1(kBudgetCsvFilter),
                               QString::fromLatin1(kBudgetHtmlFilter)};
  const QString preset = QString::fromStdString(BudgetExportDefaultName(year, month));
  const std::optional<TChosenFile> chosen =
      dialogs.ChooseExportFile(parent, QString::fromLatin1(kBudgetExportTitle), preset, filters,
                               static_cast<int>(TBudgetExportForm::Html));
  if (!chosen || chosen->Path.isEmpty()) return false;
  const TBudgetExportForm form =
      chosen->FilterIndex == 1 ? TBudgetExportForm::Csv : TBudgetExportForm::Html;
  const std::string path = BudgetExportFileName(chosen->Path.toStdString(), form);
  SaveTextToFile(BudgetDocument(form, lines, year, month, format), path);
  if (form == TBudgetExportForm::Html) dialogs.OpenDocument(QString::fromStdString(path));
  return true;
}

}  // namespace tf

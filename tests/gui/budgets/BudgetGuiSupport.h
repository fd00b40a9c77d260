// What the budget page's tests share: the page over a fresh context with an
// opened data file, its widgets by name, the grid's texts, budget lines made
// to order and the export's dialogs answered from a script.
#pragma once

#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <deque>
#include <memory>
#include <optional>

#include "WorkspaceGuiSupport.h"
#include "budgets/BudgetMonth.h"
#include "gui/budgets/BudgetDialogs.h"
#include "gui/budgets/FrmBudgetViewer.h"
#include "model/Budget.h"

namespace tf::test {

struct TBudgetDialogScript {
  std::deque<std::optional<TChosenFile>> ExportFiles;  // beyond the script: Cancel
  QStringList PresetNames, Filters;
  std::vector<int> InitialFilters;
  QStringList Opened;
};

inline TBudgetDialogs ScriptedBudgetDialogs(std::shared_ptr<TBudgetDialogScript> script) {
  TBudgetDialogs dialogs;
  dialogs.ChooseExportFile = [script](QWidget*, const QString&, const QString& preset,
                                      const QStringList& filters, int initial) {
    script->PresetNames << preset;
    script->Filters = filters;
    script->InitialFilters.push_back(initial);
    if (script->ExportFiles.empty()) return std::optional<TChosenFile>{};
    std::optional<TChosenFile> answer = script->ExportFiles.front();
    script->ExportFiles.pop_front();
    return answer;
  };
  dialogs.OpenDocument = [script](const QString& path) { script->Opened << path; };
  return dialogs;
}

inline TBudget* AddBudget(const std::string& category, int year, int month, double max,
                          bool income) {
  TBudget* line = Global().Accounts.BudgetTable()->NewBudget();
  line->AssignNewId();
  line->FieldAt(TBudget::fCategoryName)->SetValue(TVariant::String(category));
  line->FieldAt(TBudget::fYear)->SetValue(TVariant::Integer(year));
  line->FieldAt(TBudget::fMonth)->SetValue(TVariant::Integer(month));
  line->FieldAt(TBudget::fMax)->SetValue(TVariant::Currency(TCurrency::FromDouble(max)));
  line->FieldAt(TBudget::fIncome)->SetValue(TVariant::Bool(income));
  return line;
}

inline double Max(const TBudget& line) {
  return line.FieldAt(TBudget::fMax)->AsCurrency().ToDouble();
}

// The page on a context of its own, shown and active, at March 2026.
struct TBudgetPage {
  TWorkspaceContext Context;
  std::shared_ptr<TBudgetDialogScript> Script = std::make_shared<TBudgetDialogScript>();
  TBudgetDialogs BudgetDialogs = ScriptedBudgetDialogs(Script);
  std::unique_ptr<TfrmBudgetViewer> Page;

  TfrmBudgetViewer& Show(TDateTime month = EncodeDate(2026, 3, 1)) {
    Page = std::make_unique<TfrmBudgetViewer>(Global(), Context.Dialogs, BudgetDialogs);
    Page->resize(900, 560);
    Page->show();
    QApplication::setActiveWindow(Page.get());
    if (!QTest::qWaitForWindowActive(Page.get())) throw std::runtime_error("page not active");
    Page->ShowMonth(month);
    Page->RefreshBudget();
    return *Page;
  }

  template <typename T>
  T& Child(const char* name) const {
    T* child = Page->findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) throw std::runtime_error(std::string("no child ") + name);
    return *child;
  }
  QTableView& Grid() const { return Child<QTableView>("grdMain"); }
  QTableView& TotalsGrid() const { return Child<QTableView>("grdTotals"); }
  QString Cell(int row, int column) const {
    return Grid().model()->index(row, column).data().toString();
  }
  QVariant CellRole(int row, int column, int role) const {
    return Grid().model()->index(row, column).data(role);
  }
  // Column 1 of every row: sections, categories, "" for empty rows.
  QStringList Rows() const {
    QStringList rows;
    for (int row = 0; row < Grid().model()->rowCount(); ++row) rows << Cell(row, 1);
    return rows;
  }
  // The nine figures, row by row, as shown.
  QStringList Totals() const {
    QStringList cells;
    for (int row = 1; row < 4; ++row)
      for (int column = 1; column < 4; ++column)
        cells << TotalsGrid().model()->index(row, column).data().toString();
    return cells;
  }
  QLineEdit* Editor() const { return Page->findChild<QLineEdit*>(QStringLiteral("edtBudgeted")); }
  bool Saved() const { return QFile::exists(Context.DataFile()); }
  // The data file read back into a root of its own.
  std::unique_ptr<TAccount> Reloaded() const {
    auto root = std::make_unique<TAccount>(nullptr, TBoneKind::List);
    root->LoadFromFile(Context.DataFile().toStdString(), true);
    return root;
  }
  // The live budget lines of the file as "category=max".
  QStringList SavedLines() const {
    QStringList lines;
    const std::unique_ptr<TAccount> root = Reloaded();
    const TBudget* table = root->BudgetTable();
    for (int i = 0; i < table->RowCount(); ++i) {
      const TBudget* line = table->BudgetAt(i);
      if (line->Deleted) continue;
      lines << QString::fromStdString(line->FieldAt(TBudget::fCategoryName)->AsString()) + "=" +
                   QString::number(Max(*line));
    }
    return lines;
  }
};

}  // namespace tf::test

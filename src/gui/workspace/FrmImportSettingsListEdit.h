// "Auto Recognition Patterns": lists the recognition patterns, filtered by
// their text or category, and adds, changes and deletes them. Adds and
// deletes are saved at once; closing rebuilds the category list.
#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;

namespace tf {

class TGlobal;
class TImportSettings;
class TPatternsGridModel;
struct TWorkspaceDialogs;

class TfrmImportSettingsListEdit : public QDialog {
  Q_OBJECT

 public:
  TfrmImportSettingsListEdit(TGlobal& global, TImportSettings& table,
                             const TWorkspaceDialogs& dialogs, QWidget* parent = nullptr);

  std::string PatternFilterText() const;
  TImportSettings* SelectedPattern() const;
  const TPatternsGridModel& Model() const { return *Model_; }

  QLineEdit* edtTransactionsFilter;
  QTableView* grdMain;
  QPushButton* btnAdd;
  QPushButton* btnDelete;
  QPushButton* btnCancel;
  QMenu* PopupMenu;

 public slots:
  void FillPatternGrid();
  void AddPattern();
  void ChangePattern();
  void DeletePattern(bool ask);

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildControls();
  void BuildMenu();
  void LayoutColumns();
  // Shift, Ctrl or Alt skip the delete question.
  static bool SkipsQuestion(Qt::KeyboardModifiers modifiers);

  TGlobal& Global_;
  TImportSettings& Table_;
  const TWorkspaceDialogs& Dialogs_;
  TPatternsGridModel* Model_;
  Qt::KeyboardModifiers DeleteButtonModifiers_;
};

}  // namespace tf

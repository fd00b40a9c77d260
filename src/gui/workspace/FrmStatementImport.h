// "Import Bank statements": the modal dialog that asks which account the
// rows of a parsed statement go to, then leaves out the rows imported before
// and creates a transaction for each of the others, showing its progress.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <string>

class QCheckBox;
class QCloseEvent;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace tf {

class TAccount;
class TCSVParser;
struct TWorkspaceDialogs;

class TfrmStatementImport : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmStatementImport(const TWorkspaceDialogs& dialogs, QWidget* parent = nullptr);

  // Asks for the target account among the rows of `accounts` (the root
  // table), `preselected` chosen when given, then imports the parser's
  // lines into it. False after Cancel, with nothing changed. Neither
  // balances nor the data file are brought up to date here.
  bool ImportLines(TCSVParser& parser, TAccount& accounts, TAccount* preselected);

  // True from the moment the import starts until it ends: the dialog cannot
  // be closed meanwhile.
  bool Working() const { return Working_; }

  QLabel* lblHeading;
  QComboBox* cbxAccount;
  QLabel* lblHintHeading;
  QLabel* imgHint;
  QLabel* lblHint;
  QCheckBox* chkIgnoreZero;
  // How many entries of the file the parser left out and why; hidden when none.
  QLabel* lblLeftOut;
  QLabel* lblProgress;
  QProgressBar* pbProgress;
  QPushButton* btnOk;
  QPushButton* btnCancel;

 public slots:
  void cbxAccountChange();
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void PrepareControls(const TCSVParser& parser, TAccount& accounts, TAccount* preselected);
  void BeginWork();
  void EndWork();
  // Shows the progress of a pass; repaints at most every few milliseconds
  // so that a long statement is not slowed down by drawing every row.
  void ShowProgress(const std::string& caption, int position, int count);
  void RunPendingEvents();

  const TWorkspaceDialogs& Dialogs_;
  QElapsedTimer LastRepaint_;
  bool Working_ = false;
  bool Centred_ = false;
};

}  // namespace tf

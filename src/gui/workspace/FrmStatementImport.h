// "Import Bank statements": the modal dialog that asks which account the
// rows of a parsed statement go to and previews them (new, imported before,
// left out, each new row with the category it will get, untickable one by
// one), then creates a transaction for each ticked row, showing its progress.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <functional>
#include <memory>
#include <string>

class QCheckBox;
class QCloseEvent;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;

namespace tf {

class TAccount;
class TCSVParser;
class TImportPreviewModel;
struct TWorkspaceDialogs;

class TfrmStatementImport : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmStatementImport(const TWorkspaceDialogs& dialogs, QWidget* parent = nullptr);
  ~TfrmStatementImport() override;

  // Reads the statement again as another format: the parser, or none with
  // `refusal` saying why the file does not read as that format.
  using TStatementReader =
      std::function<std::unique_ptr<TCSVParser>(int format, std::string& refusal)>;
  // Offers the formats, `format` (the one the parser read with) chosen and
  // `recognition` said beside it; another choice reads the file again.
  // Without this call the dialog has no format choice.
  void OfferFormats(int format, const std::string& recognition, TStatementReader reader);
  // The format the rows were read with, as last chosen.
  int Format() const { return Format_; }

  // Asks for the target account among the rows of `accounts` (the root
  // table), `preselected` chosen when given, previews the parser's lines for
  // it, then imports the rows left ticked. False after Cancel, with nothing changed. Neither
  // balances nor the data file are brought up to date here.
  bool ImportLines(TCSVParser& parser, TAccount& accounts, TAccount* preselected);

  // True from the moment the import starts until it ends: the dialog cannot
  // be closed meanwhile.
  bool Working() const { return Working_; }
  TImportPreviewModel& PreviewModel() { return *Preview_; }

  QLabel* lblHeading;
  QComboBox* cbxAccount;
  QLabel* lblFormat;
  QComboBox* cbxFormat;
  // "Looks like an ABSA statement", or why the chosen format does not read.
  QLabel* lblRecognised;
  QLabel* lblHintHeading;
  QLabel* imgHint;
  QLabel* lblHint;
  QCheckBox* chkIgnoreZero;
  // How many entries of the file the parser left out and why; hidden when none.
  QLabel* lblLeftOut;
  // The rows about to be imported; Space ticks or unticks the current one.
  QTableView* grdPreview;
  // What the preview counts: ticked, imported before, left out.
  QLabel* lblSummary;
  QLabel* lblProgress;
  QProgressBar* pbProgress;
  QPushButton* btnOk;
  QPushButton* btnCancel;

 public slots:
  void cbxAccountChange();
  void cbxFormatChange();
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void PrepareControls(TAccount& accounts, TAccount* preselected);
  // The preview of the current rows for the chosen account; `sameRows` keeps
  // the user's ticks.
  void RefreshPreview(bool sameRows);
  void ShowTicks();
  void BeginWork();
  void EndWork();
  // Shows the progress of a pass; repaints at most every few milliseconds
  // so that a long statement is not slowed down by drawing every row.
  void ShowProgress(const std::string& caption, int position, int count);
  void RunPendingEvents();

  const TWorkspaceDialogs& Dialogs_;
  TImportPreviewModel* Preview_;
  TAccount* Accounts_ = nullptr;
  // The rows shown: the caller's parser, or one read again for another format.
  TCSVParser* Parser_ = nullptr;
  std::unique_ptr<TCSVParser> OwnParser_;
  TStatementReader Reader_;
  std::string Recognition_;
  int Format_ = 0;
  int RecognisedFormat_ = 0;
  QElapsedTimer LastRepaint_;
  bool Working_ = false;
  bool Centred_ = false;
};

}  // namespace tf

// "Other bank (CSV)": the column mapping for a bank's CSV file that none of
// the fixed layouts reads. The user picks the separator, heading lines and
// columns; the table shows at once what the core parser makes of the file's
// first lines, rows that do not read in red with the reason.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "import/CsvProfile.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace tf {

class TfrmCsvMapping : public QDialog {
  Q_OBJECT

 public:
  // `lines`: the whole file; `profiles`: the saved ones, `offered` the index
  // of the one that fits the file (-1: none); `guess`: the mapping that
  // "New profile" starts from.
  TfrmCsvMapping(std::vector<std::string> lines, std::vector<TCsvProfile> profiles, int offered,
                 TCsvProfile guess, QWidget* parent = nullptr);

  // The mapping as the controls say, with the file's column count and
  // heading line so that the bank's next statement is known again.
  TCsvProfile Profile() const;

  // How many lines of the file the table shows.
  static constexpr int kPreviewLines = 20;

  QComboBox* cbxProfile;
  QLineEdit* edtName;
  QComboBox* cbxSeparator;
  QSpinBox* spnSkip;
  QSpinBox* spnDateColumn;
  QComboBox* cbxDateOrder;
  QRadioButton* rbtOneAmount;
  QRadioButton* rbtTwoAmounts;
  QSpinBox* spnAmountColumn;
  QSpinBox* spnInColumn;
  QSpinBox* spnOutColumn;
  QComboBox* cbxDecimal;
  QLineEdit* edtDescriptionColumns;
  QSpinBox* spnBalanceColumn;
  QPlainTextEdit* txtRaw;
  QTableWidget* grdPreview;
  QLabel* lblSummary;
  QLabel* lblProblem;
  QPushButton* btnOk;
  QPushButton* btnCancel;

 public slots:
  // Reads the controls and shows what they make of the file.
  void Refresh();

 private:
  void BuildControls();
  void BuildLayout();
  void Connect();
  void ProfileChosen(int index);
  void LoadControls(const TCsvProfile& profile);
  TCsvProfile ProfileFromControls() const;
  void FillTable(const TCsvProfile& profile);
  void ShowSummary(const TCsvProfile& profile);
  QString ReplacedProfileNote(const TCsvProfile& profile) const;

  std::vector<std::string> Lines_;
  std::vector<TCsvProfile> Profiles_;
  TCsvProfile Guess_;
  bool Loading_ = false;
  int RowsRead_ = 0;  // rows of the whole file that read
};

}  // namespace tf

// "Transaction Details": the modal dialog that edits one transaction row.
// It checks date and description on every change, suggests a category from
// the recognition patterns, and writes the row only when closed with Ok.
#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tf {

class TAmountEdit;
class TGlobal;
class TTransactions;
struct TWorkspaceDialogs;

class TfrmTransactionsEdit : public QDialog {
  Q_OBJECT

 public:
  TfrmTransactionsEdit(TGlobal& global, TTransactions& row, const TWorkspaceDialogs& dialogs,
                       QWidget* parent = nullptr);

  // Whether the input may be stored (what enables Ok).
  bool InputValid() const;

  QLabel* lbDate;
  QLineEdit* edDate;
  QToolButton* btnDateSelect;
  QLabel* lblDateFormat;
  QLabel* lbDescription;
  QComboBox* edDescription;
  QLabel* lbAmount;
  TAmountEdit* edAmount;
  QToolButton* btnPlusMinus;
  QLabel* lbCategory;
  QComboBox* edCategory;
  QComboBox* cbxSubCategory;
  QToolButton* btnCategoryManagement;
  QGroupBox* rgpTransType;
  QButtonGroup* TransTypes;
  QCheckBox* chkLocked;
  QPushButton* btnAutoRecognise;
  QPushButton* btnOk;
  QPushButton* btnCancel;

 public slots:
  void edDateChange();
  void edCategoryChange();
  void btnDateSelectClick();
  void edDescriptionExit();
  void btnCategoryManagementClick();
  void btnAutoRecogniseClick();
  void btnOkClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void ConnectControls();
  void LoadRow();
  void FillCategories(const std::string& category);
  std::string Category() const;
  int SelectedType() const;

  TGlobal& Global_;
  TTransactions& Row_;
  const TWorkspaceDialogs& Dialogs_;
  bool Loaded_ = false;
};

}  // namespace tf

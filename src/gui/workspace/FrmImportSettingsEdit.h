// "Auto Recognise": the modal dialog that edits one recognition pattern:
// for which account, what to look for and how, and the category and type
// it gives. Ok stores the pattern and runs the patterns over every account.
#pragma once

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tf {

class TGlobal;
class TImportSettings;

class TfrmImportSettingsEdit : public QDialog {
  Q_OBJECT

 public:
  TfrmImportSettingsEdit(TGlobal& global, TImportSettings& pattern, QWidget* parent = nullptr);

  bool InputValid() const;

  QLabel* lblAccount;
  QComboBox* cbxAccount;
  QLabel* lblMatchValue;
  QLineEdit* edMatchValue;
  QLabel* lblMatchType;
  QComboBox* edMatchType;
  QLabel* lblCategory;
  QComboBox* edCategoryName;
  QComboBox* cbxSubCategory;
  QGroupBox* rgpTransType;
  QButtonGroup* TransTypes;
  QPushButton* btnOk;
  QPushButton* btnCancel;

 public slots:
  void InputChange();
  void edCategoryNameChange();
  void btnOkClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void LoadPattern();
  void StorePattern();

  TGlobal& Global_;
  TImportSettings& Pattern_;
  bool Loaded_ = false;
};

}  // namespace tf

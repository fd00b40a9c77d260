// "Select a category": the budget page's choice of a main and a
// sub-category and a budget type for a new budget line, with a warning when
// the month already has a line for that category.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tf {

class TGlobal;

class TfrmCatergorySelection : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmCatergorySelection(TGlobal& global, QWidget* parent = nullptr);

  // Filled by the caller before showing; read after Ok.
  std::vector<std::string> ExistingCategories;
  std::string SelectedMain;
  std::string SelectedSub;
  bool SelectedIncome = false;

  QLabel* lbCategory;
  QComboBox* edCategory;
  QComboBox* cbxSubCategory;
  QGroupBox* rgpTransType;
  QButtonGroup* BudgetTypes;
  QLabel* lblCategoryExists;
  QPushButton* btnOk;
  QPushButton* btnCancel;

 public slots:
  void edCategoryChange();
  void Validate();
  void btnOkClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TGlobal& Global_;
  bool Loaded_ = false;
};

}  // namespace tf

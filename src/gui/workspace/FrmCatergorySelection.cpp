#include "gui/workspace/FrmCatergorySelection.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Global.h"
#include "gui/app/CategoryCombos.h"
#include "gui/workspace/DialogLook.h"
#include "workspace/CategoryEditing.h"

namespace tf {
namespace {

enum : int { typeIncome = 0, typeExpenses = 1 };

QComboBox* NewCombo(QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMaxVisibleItems(20);
  box->setMinimumWidth(170);
  return box;
}

}  // namespace

TfrmCatergorySelection::TfrmCatergorySelection(TGlobal& global, QWidget* parent)
    : QDialog(parent), Global_(global) {
  setObjectName(QStringLiteral("frmCatergorySelection"));
  SetDialogFrame(*this, QStringLiteral("Select a category"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
  lbCategory = NewLabel(QStringLiteral("Category :"), this);
  edCategory = NewCombo(this);
  cbxSubCategory = NewCombo(this);
  rgpTransType =
      NewRadioGroup(QStringLiteral("Budget Type"),
                    {QStringLiteral("Income"), QStringLiteral("Expenses")}, BudgetTypes, this);
  lblCategoryExists = NewLabel(
      QStringLiteral("The category already exists in the budget, select a different category"),
      this);
  lblCategoryExists->setStyleSheet(QStringLiteral("color: red;"));
  lblCategoryExists->hide();
  btnOk = new QPushButton(QStringLiteral("Ok"), this);
  btnOk->setDefault(true);
  btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  btnCancel->setAutoDefault(false);

  auto* combos = new QHBoxLayout;
  combos->addWidget(lbCategory);
  combos->addWidget(edCategory, 1);
  combos->addWidget(cbxSubCategory, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(combos);
  layout->addWidget(rgpTransType);
  layout->addWidget(lblCategoryExists);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(edCategory, &QComboBox::editTextChanged, this, &TfrmCatergorySelection::edCategoryChange);
  connect(cbxSubCategory, &QComboBox::editTextChanged, this, &TfrmCatergorySelection::Validate);
  connect(BudgetTypes, &QButtonGroup::idClicked, this, &TfrmCatergorySelection::Validate);
  connect(btnOk, &QPushButton::clicked, this, &TfrmCatergorySelection::btnOkClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmCatergorySelection::edCategoryChange() {
  FillSubCategoryCombo(edCategory->currentText().toStdString(), *cbxSubCategory,
                       Global_.Categories);
  Validate();
}

void TfrmCatergorySelection::Validate() {
  const TCategorySelectionCheck check =
      CheckCategorySelection(edCategory->currentText().toStdString(),
                             cbxSubCategory->currentText().toStdString(), ExistingCategories);
  TintInvalid(*edCategory, check.MainMissing);
  TintInvalid(*cbxSubCategory, check.SubMissing);
  lblCategoryExists->setVisible(check.AlreadyListed);
  btnOk->setEnabled(check.Valid);
}

void TfrmCatergorySelection::btnOkClick() {
  if (!btnOk->isEnabled()) return;
  SelectedMain = edCategory->currentText().toStdString();
  SelectedSub = cbxSubCategory->currentText().toStdString();
  SelectedIncome = BudgetTypes->checkedId() == typeIncome;
  accept();
}

void TfrmCatergorySelection::showEvent(QShowEvent* event) {
  if (!Loaded_) {
    Loaded_ = true;
    FillCategoryCombos(*edCategory, *cbxSubCategory, Global_.Categories,
                       JoinCategory(SelectedMain, SelectedSub));
    BudgetTypes->button(SelectedIncome ? typeIncome : typeExpenses)->setChecked(true);
    Validate();
    CentreOnScreen(*this);
  }
  QDialog::showEvent(event);
}

}  // namespace tf

#include "gui/workspace/FrmImportSettingsEdit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Global.h"
#include "base/ListText.h"
#include "gui/app/CategoryCombos.h"
#include "gui/app/RowCombos.h"
#include "gui/workspace/DialogLook.h"
#include "model/Account.h"
#include "model/ImportSettings.h"
#include "workspace/PatternListing.h"

namespace tf {
namespace {

constexpr int kClientWidth = 598, kClientHeight = 254;

QComboBox* NewCategoryCombo(QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMaxVisibleItems(20);
  return box;
}

}  // namespace

TfrmImportSettingsEdit::TfrmImportSettingsEdit(TGlobal& global, TImportSettings& pattern,
                                               QWidget* parent)
    : QDialog(parent), Global_(global), Pattern_(pattern) {
  setObjectName(QStringLiteral("frmImportSettingsEdit"));
  SetDialogFrame(*this, QStringLiteral("Auto Recognise"));
  BuildControls();
  BuildLayout();
  setFixedSize(kClientWidth, kClientHeight);
  connect(edMatchValue, &QLineEdit::textChanged, this, &TfrmImportSettingsEdit::InputChange);
  connect(edMatchType, &QComboBox::currentIndexChanged, this, &TfrmImportSettingsEdit::InputChange);
  connect(cbxAccount, &QComboBox::currentIndexChanged, this, &TfrmImportSettingsEdit::InputChange);
  connect(edCategoryName, &QComboBox::editTextChanged, this,
          &TfrmImportSettingsEdit::edCategoryNameChange);
  connect(btnOk, &QPushButton::clicked, this, &TfrmImportSettingsEdit::btnOkClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmImportSettingsEdit::BuildControls() {
  lblAccount = NewLabel(QStringLiteral("Only for :"), this);
  cbxAccount = new QComboBox(this);
  lblMatchValue = NewLabel(QStringLiteral("Look for :"), this, true);
  edMatchValue = new QLineEdit(this);
  edMatchValue->setToolTip(
      QStringLiteral("Don't worry about the case or spaces and the end it will be ignored when "
                     "match is being done"));
  lblMatchType = NewLabel(QStringLiteral("Recognition Type :"), this, true);
  edMatchType = new QComboBox(this);
  lblCategory = NewLabel(QStringLiteral("Category to assign if matched  :"), this);
  edCategoryName = NewCategoryCombo(this);
  cbxSubCategory = NewCategoryCombo(this);
  rgpTransType =
      NewRadioGroup(QStringLiteral("Transaction Type"),
                    {QStringLiteral("Income"), QStringLiteral("Expenses"),
                     QStringLiteral("Transfers"), QStringLiteral("Deposit from Transfer")},
                    TransTypes, this);
  btnOk = new QPushButton(QStringLiteral("Ok"), this);
  btnOk->setDefault(true);
  btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  btnCancel->setAutoDefault(false);
}

void TfrmImportSettingsEdit::BuildLayout() {
  auto* grid = new QGridLayout;
  grid->addWidget(lblAccount, 0, 0);
  grid->addWidget(cbxAccount, 0, 1, 1, 2);
  grid->addWidget(lblMatchValue, 1, 0);
  grid->addWidget(edMatchValue, 1, 1, 1, 2);
  grid->addWidget(lblMatchType, 2, 0);
  grid->addWidget(edMatchType, 2, 1);
  grid->addWidget(lblCategory, 3, 0);
  grid->addWidget(edCategoryName, 3, 1);
  grid->addWidget(cbxSubCategory, 3, 2);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(rgpTransType, 1);
  auto* buttons = new QVBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  bottom->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(bottom);
}

void TfrmImportSettingsEdit::LoadPattern() {
  if (QAbstractButton* type = TransTypes->button(Pattern_.GetTransactionType()))
    type->setChecked(true);
  FillAccountCombo(*cbxAccount, Global_.Accounts, {}, QStringLiteral("all"), true);
  for (const std::string& name : ParseLinesText(TImportSettings::MatchTypeNames()))
    edMatchType->addItem(QString::fromStdString(name));
  cbxAccount->setCurrentIndex(0);
  const std::string accountId = Pattern_.FieldAt(TImportSettings::fAccountID)->AsString();
  if (!accountId.empty() && accountId != "0") SelectComboRowById(*cbxAccount, accountId, -1);
  edMatchValue->setText(
      QString::fromStdString(Pattern_.FieldAt(TImportSettings::fMatchValue)->AsString()));
  std::string typeName;
  TImportSettings::MatchTypeName(Pattern_.GetMatchType(), typeName);
  edMatchType->setCurrentIndex(
      edMatchType->findText(QString::fromStdString(typeName), Qt::MatchExactly));
  FillCategoryCombos(*edCategoryName, *cbxSubCategory, Global_.Categories,
                     Pattern_.FieldAt(TImportSettings::fCategoryName)->AsString());
  InputChange();
}

bool TfrmImportSettingsEdit::InputValid() const {
  return IsPatternEntryValid(edMatchValue->text().toStdString(), edMatchType->currentIndex());
}

void TfrmImportSettingsEdit::InputChange() {
  btnOk->setEnabled(InputValid());
}

void TfrmImportSettingsEdit::edCategoryNameChange() {
  FillSubCategoryCombo(edCategoryName->currentText().toStdString(), *cbxSubCategory,
                       Global_.Categories);
  InputChange();
}

void TfrmImportSettingsEdit::StorePattern() {
  Pattern_.SetTransactionType(std::max(0, TransTypes->checkedId()));
  Pattern_.FieldAt(TImportSettings::fAccountID)
      ->SetValue(TVariant::String(SelectedRowId(*cbxAccount)));
  Pattern_.FieldAt(TImportSettings::fMatchValue)
      ->SetValue(TVariant::String(edMatchValue->text().toStdString()));
  Pattern_.SetMatchType(
      TImportSettings::MatchTypeFromName(edMatchType->currentText().toStdString()));
  Pattern_.FieldAt(TImportSettings::fCategoryName)
      ->SetValue(TVariant::String(CategoryFromCombos(*edCategoryName, *cbxSubCategory)));
  Global_.Accounts.ApplyRecognition();
}

void TfrmImportSettingsEdit::btnOkClick() {
  if (!InputValid()) return;
  StorePattern();
  accept();
}

void TfrmImportSettingsEdit::showEvent(QShowEvent* event) {
  if (!Loaded_) {
    Loaded_ = true;
    LoadPattern();
    edMatchValue->setFocus();
    CentreOnScreen(*this);
  }
  QDialog::showEvent(event);
}

void TfrmImportSettingsEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    if (btnCancel->isEnabled()) btnCancel->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace tf

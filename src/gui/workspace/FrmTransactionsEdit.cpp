#include "gui/workspace/FrmTransactionsEdit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Global.h"
#include "base/Formats.h"
#include "base/ListText.h"
#include "gui/app/CategoryCombos.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/workspace/AmountEdit.h"
#include "gui/workspace/DialogLook.h"
#include "model/Account.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"
#include "workspace/TransactionEntry.h"
#include "workspace/TransactionRecognition.h"

namespace tf {
namespace {

constexpr int kComboLines = 20;

QComboBox* NewEditableCombo(QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMaxVisibleItems(kComboLines);
  return box;
}

QToolButton* NewSideButton(const QString& text, const QString& hint, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setText(text);
  button->setToolTip(hint);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

QStringList LinesOf(const std::string& text) {
  QStringList lines;
  for (const std::string& line : ParseLinesText(text)) lines << QString::fromStdString(line);
  return lines;
}

}  // namespace

TfrmTransactionsEdit::TfrmTransactionsEdit(TGlobal& global, TTransactions& row,
                                           const TWorkspaceDialogs& dialogs, QWidget* parent)
    : QDialog(parent), Global_(global), Row_(row), Dialogs_(dialogs) {
  setObjectName(QStringLiteral("frmTransactionsEdit"));
  SetDialogFrame(*this, QStringLiteral("Transaction Details"));
  BuildControls();
  BuildLayout();
  ConnectControls();
}

void TfrmTransactionsEdit::BuildControls() {
  lbDate = NewLabel(QStringLiteral("Date :"), this, true);
  edDate = new QLineEdit(this);
  edDate->setMaximumWidth(110);
  btnDateSelect = new QToolButton(this);
  btnDateSelect->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  btnDateSelect->setToolTip(QStringLiteral("Choose the date"));
  lblDateFormat = NewLabel(QStringLiteral("dd mmm yyyy (ex 01 Jan 2010)"), this);
  lblDateFormat->setEnabled(false);
  lbDescription = NewLabel(QStringLiteral("Description :"), this, true);
  edDescription = NewEditableCombo(this);
  edDescription->setMinimumWidth(360);
  edDescription->completer()->setCompletionMode(QCompleter::InlineCompletion);
  edDescription->completer()->setCaseSensitivity(Qt::CaseInsensitive);
  lbAmount = NewLabel(QStringLiteral("Amount :"), this);
  edAmount = new TAmountEdit(this);
  edAmount->setMaximumWidth(130);
  btnPlusMinus = NewSideButton(QStringLiteral("±"), QStringLiteral("Change the sign"), this);
  lbCategory = NewLabel(QStringLiteral("Category :"), this);
  edCategory = NewEditableCombo(this);
  cbxSubCategory = NewEditableCombo(this);
  btnCategoryManagement =
      NewSideButton(QStringLiteral("…"), QStringLiteral("Manage Categories"), this);
  rgpTransType =
      NewRadioGroup(QStringLiteral("Transaction Type"),
                    {QStringLiteral("Income"), QStringLiteral("Expenses"),
                     QStringLiteral("Transfer"), QStringLiteral("Deposit from Transfer")},
                    TransTypes, this);
  chkLocked = new QCheckBox(QStringLiteral("Prevent Auto Recognition Matches"), this);
  btnAutoRecognise = new QPushButton(QStringLiteral("Create &New Auto Recognition Pattern"), this);
  btnAutoRecognise->setToolTip(QStringLiteral("Alt + N"));
  btnAutoRecognise->setFocusPolicy(Qt::NoFocus);
  btnAutoRecognise->setAutoDefault(false);
  btnOk = new QPushButton(QStringLiteral("Ok"), this);
  btnOk->setDefault(true);
  btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  btnCancel->setAutoDefault(false);
}

void TfrmTransactionsEdit::BuildLayout() {
  auto* grid = new QGridLayout;
  auto* dateRow = new QHBoxLayout;
  dateRow->addWidget(edDate);
  dateRow->addWidget(btnDateSelect);
  dateRow->addWidget(lblDateFormat);
  dateRow->addStretch();
  auto* amountRow = new QHBoxLayout;
  amountRow->addWidget(edAmount);
  amountRow->addWidget(btnPlusMinus);
  amountRow->addStretch();
  auto* categoryRow = new QHBoxLayout;
  categoryRow->addWidget(edCategory, 1);
  categoryRow->addWidget(cbxSubCategory, 1);
  categoryRow->addWidget(btnCategoryManagement);
  grid->addWidget(lbDate, 0, 0);
  grid->addLayout(dateRow, 0, 1);
  grid->addWidget(lbDescription, 1, 0);
  grid->addWidget(edDescription, 1, 1);
  grid->addWidget(lbAmount, 2, 0);
  grid->addLayout(amountRow, 2, 1);
  grid->addWidget(lbCategory, 3, 0);
  grid->addLayout(categoryRow, 3, 1);
  grid->addWidget(rgpTransType, 4, 1);
  grid->addWidget(chkLocked, 5, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnAutoRecognise);
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  QWidget* order[] = {edDate,         btnDateSelect,         edDescription, edAmount, edCategory,
                      cbxSubCategory, TransTypes->button(0), chkLocked,     btnOk,    btnCancel};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void TfrmTransactionsEdit::ConnectControls() {
  connect(edDate, &QLineEdit::textChanged, this, &TfrmTransactionsEdit::edDateChange);
  connect(edDescription, &QComboBox::editTextChanged, this, &TfrmTransactionsEdit::edDateChange);
  connect(edAmount, &QLineEdit::textChanged, this, &TfrmTransactionsEdit::edDateChange);
  connect(edCategory, &QComboBox::editTextChanged, this, &TfrmTransactionsEdit::edCategoryChange);
  connect(cbxSubCategory, &QComboBox::editTextChanged, this, &TfrmTransactionsEdit::edDateChange);
  connect(btnDateSelect, &QToolButton::clicked, this, &TfrmTransactionsEdit::btnDateSelectClick);
  connect(btnPlusMinus, &QToolButton::clicked, edAmount, &TAmountEdit::NegateAmount);
  connect(btnCategoryManagement, &QToolButton::clicked, this,
          &TfrmTransactionsEdit::btnCategoryManagementClick);
  connect(btnAutoRecognise, &QPushButton::clicked, this,
          &TfrmTransactionsEdit::btnAutoRecogniseClick);
  connect(btnOk, &QPushButton::clicked, this, &TfrmTransactionsEdit::btnOkClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  edDescription->installEventFilter(this);
}

// --- loading and validation

void TfrmTransactionsEdit::LoadRow() {
  const TTransactionEntry entry = LoadTransactionEntry(Row_, Global_.NumberFormat());
  edDate->setText(QString::fromStdString(entry.Date));
  edDescription->setModel(
      new QStringListModel(LinesOf(Global_.Accounts.AllDescriptions()), edDescription));
  edDescription->setEditText(QString::fromStdString(entry.Description));
  edAmount->setText(QString::fromStdString(entry.Amount));
  FillCategories(entry.Category);
  if (QAbstractButton* type = TransTypes->button(entry.Type)) type->setChecked(true);
  chkLocked->setChecked(entry.Locked);
  edDateChange();
}

void TfrmTransactionsEdit::FillCategories(const std::string& category) {
  FillCategoryCombos(*edCategory, *cbxSubCategory, Global_.Categories, category);
  if (category.empty()) edCategory->setEditText({});
}

std::string TfrmTransactionsEdit::Category() const {
  return CategoryFromCombos(*edCategory, *cbxSubCategory);
}

int TfrmTransactionsEdit::SelectedType() const {
  return TransTypes->checkedId();
}

bool TfrmTransactionsEdit::InputValid() const {
  return IsTransactionEntryValid(edDate->text().toStdString(),
                                 edDescription->currentText().toStdString()) &&
         edAmount->HasAmount();
}

void TfrmTransactionsEdit::edDateChange() {
  const bool dateValid = IsEntryDateValid(edDate->text().toStdString());
  TintInvalid(*edDate, !dateValid);
  // A refused date says why: the example beside it lights up.
  lblDateFormat->setEnabled(!dateValid);
  edDate->setToolTip(dateValid
                         ? QString()
                         : QStringLiteral("Not a date: type it as %1").arg(lblDateFormat->text()));
  TintInvalid(*edAmount, !edAmount->HasAmount());
  edAmount->setToolTip(edAmount->HasAmount()
                           ? QString()
                           : QStringLiteral("Not an amount: type it as 1234.56 or -1,234.56"));
  btnOk->setEnabled(InputValid());
}

void TfrmTransactionsEdit::edCategoryChange() {
  FillSubCategoryCombo(edCategory->currentText().toStdString(), *cbxSubCategory,
                       Global_.Categories);
  edDateChange();
}

// --- the side doors

void TfrmTransactionsEdit::btnDateSelectClick() {
  const TDateTime chosen = Dialogs_.PickDate(this, ParseTypedDate(edDate->text().toStdString()));
  if (chosen > 0) edDate->setText(QString::fromStdString(FormatDisplayDate(chosen)));
}

void TfrmTransactionsEdit::edDescriptionExit() {
  const std::string description = edDescription->currentText().toStdString();
  if (QString::fromStdString(description).trimmed().isEmpty() || !Category().empty()) return;
  const std::string suggested =
      SuggestedCategory(Global_.Accounts, Row_.OwnerAccountId(), description);
  if (!suggested.empty()) FillCategories(suggested);
}

void TfrmTransactionsEdit::btnCategoryManagementClick() {
  const std::string chosen = Category();
  Dialogs_.ManageCategories(this);
  FillCategories(chosen);
}

void TfrmTransactionsEdit::btnAutoRecogniseClick() {
  TImportSettings* pattern =
      NewPatternFromEntry(Global_.Accounts, Row_.OwnerAccountId(),
                          edDescription->currentText().toStdString(), Category(), SelectedType());
  // The pattern reaches the file with the next save, whatever this dialog's end.
  if (!pattern->Edit(this)) pattern->Deleted = true;
}

void TfrmTransactionsEdit::btnOkClick() {
  if (!InputValid()) return;
  TTransactionEntry entry;
  entry.Type = std::max(0, SelectedType());
  entry.Date = edDate->text().toStdString();
  entry.Description = edDescription->currentText().toStdString();
  entry.Category = Category();
  entry.Amount = edAmount->text().toStdString();
  entry.Locked = chkLocked->isChecked();
  StoreTransactionEntry(Row_, entry, Global_.NumberFormat());
  accept();
}

// --- window

void TfrmTransactionsEdit::showEvent(QShowEvent* event) {
  if (!Loaded_) {
    Loaded_ = true;
    LoadRow();
    edDate->setFocus();
    CentreOnScreen(*this);
  }
  QDialog::showEvent(event);
}

void TfrmTransactionsEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    if (btnCancel->isEnabled()) btnCancel->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool TfrmTransactionsEdit::eventFilter(QObject* watched, QEvent* event) {
  // Leaving the box for another control, not for its own list or another window.
  if (watched == edDescription && event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
      edDescriptionExit();
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace tf

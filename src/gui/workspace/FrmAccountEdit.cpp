#include "gui/workspace/FrmAccountEdit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Global.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/workspace/AmountEdit.h"
#include "gui/workspace/ColourCombo.h"
#include "gui/workspace/DialogLook.h"
#include "model/Account.h"
#include "workspace/AccountEntry.h"

namespace tf {
namespace {

QString FieldText(const TAccount& account, int field) {
  return QString::fromStdString(account.FieldAt(field)->AsString());
}

}  // namespace

TfrmAccountEdit::TfrmAccountEdit(TGlobal& global, TAccount& account,
                                 const TWorkspaceDialogs& dialogs, QWidget* parent)
    : QDialog(parent), Global_(global), Account_(account), Dialogs_(dialogs) {
  setObjectName(QStringLiteral("frmAccountEdit"));
  SetDialogFrame(*this, QStringLiteral("Account Details"));
  BuildControls();
  BuildLayout();
  connect(edAccountName, &QLineEdit::textChanged, this, &TfrmAccountEdit::InputChange);
  connect(edAccountType, &QComboBox::currentIndexChanged, this, &TfrmAccountEdit::InputChange);
  connect(edtCurrentBalance, &QLineEdit::textChanged, this, &TfrmAccountEdit::InputChange);
  connect(edNotes, &QPlainTextEdit::textChanged, this, &TfrmAccountEdit::InputChange);
  connect(btnCurrentBalanceHelp, &QToolButton::clicked, this,
          &TfrmAccountEdit::btnCurrentBalanceHelpClick);
  connect(btnOk, &QPushButton::clicked, this, &TfrmAccountEdit::btnOkClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmAccountEdit::BuildControls() {
  lbAccountName = NewLabel(QStringLiteral("Account Name :"), this, true);
  edAccountName = new QLineEdit(this);
  lbAccountType = NewLabel(QStringLiteral("Account Type :"), this, true);
  edAccountType = new QComboBox(this);
  for (const std::string& type : AccountTypeItems())
    edAccountType->addItem(QString::fromStdString(type));
  lblCurrentBalance = NewLabel(QStringLiteral("Current Balance :"), this);
  edtCurrentBalance = new TAmountEdit(this);
  btnCurrentBalanceHelp = new QToolButton(this);
  btnCurrentBalanceHelp->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
  btnCurrentBalanceHelp->setToolTip(QStringLiteral("Read this before you enter a value..."));
  btnCurrentBalanceHelp->setFocusPolicy(Qt::NoFocus);
  lbNotes = NewLabel(QStringLiteral("Notes :"), this);
  edNotes = new QPlainTextEdit(this);
  edNotes->setLineWrapMode(QPlainTextEdit::NoWrap);
  edNotes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  edNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  edNotes->setTabChangesFocus(true);
  lblColour = NewLabel(QStringLiteral("Account Colour :"), this);
  cbxColours = new TColourCombo(this);
  for (const std::string& colour : AccountColourItems())
    cbxColours->addItem(QString::fromStdString(colour));
  btnOk = new QPushButton(QStringLiteral("Ok"), this);
  btnOk->setDefault(true);
  btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  btnCancel->setAutoDefault(false);
}

void TfrmAccountEdit::BuildLayout() {
  auto* balanceRow = new QHBoxLayout;
  balanceRow->addWidget(edtCurrentBalance);
  balanceRow->addWidget(btnCurrentBalanceHelp);
  balanceRow->addStretch();
  auto* form = new QFormLayout;
  form->addRow(lbAccountName, edAccountName);
  form->addRow(lbAccountType, edAccountType);
  form->addRow(lblCurrentBalance, balanceRow);
  form->addRow(lbNotes, edNotes);
  form->addRow(lblColour, cbxColours);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
  edAccountName->setMinimumWidth(280);
  edNotes->setFixedHeight(90);
  setFixedSize(sizeHint().expandedTo(QSize(420, 0)));
  QWidget* order[] = {edAccountName, edAccountType, edtCurrentBalance, edNotes,
                      cbxColours,    btnOk,         btnCancel};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void TfrmAccountEdit::LoadAccount() {
  edAccountName->setText(FieldText(Account_, TAccount::fAccountName));
  edAccountType->setCurrentIndex(edAccountType->findText(
      FieldText(Account_, TAccount::fAccountType), Qt::MatchExactly | Qt::MatchCaseSensitive));
  LoadedBalance_ = Global_.FormatAmount(Account_.FieldAt(TAccount::fBalance)->AsCurrency());
  edtCurrentBalance->setText(QString::fromStdString(LoadedBalance_));
  edNotes->setPlainText(FieldText(Account_, TAccount::fNotes));
  const int colour = Account_.ListFieldAt(TAccount::lfAccountColour)->AsInteger();
  cbxColours->setCurrentIndex(cbxColours->findText(QString::number(colour), Qt::MatchExactly));
  InputChange();
}

bool TfrmAccountEdit::InputValid() const {
  return IsAccountEntryValid(edAccountName->text().toStdString(), edAccountType->currentIndex()) &&
         edtCurrentBalance->HasAmount();
}

void TfrmAccountEdit::InputChange() {
  TintInvalid(*edtCurrentBalance, !edtCurrentBalance->HasAmount());
  btnOk->setEnabled(InputValid());
}

void TfrmAccountEdit::btnCurrentBalanceHelpClick() {
  Dialogs_.Inform(this, QStringLiteral("Help"), QString::fromLatin1(kBalanceHelp));
}

void TfrmAccountEdit::StoreAccount() {
  const TCurrency starting =
      StartingBalanceAfterEdit(Account_, LoadedBalance_, edtCurrentBalance->text().toStdString());
  Account_.FieldAt(TAccount::fAccountName)
      ->SetValue(TVariant::String(edAccountName->text().toStdString()));
  Account_.FieldAt(TAccount::fAccountType)
      ->SetValue(TVariant::String(edAccountType->currentText().toStdString()));
  Account_.FieldAt(TAccount::fStartingBalance)->SetValue(TVariant::Currency(starting));
  Account_.FieldAt(TAccount::fNotes)
      ->SetValue(TVariant::String(edNotes->toPlainText().toStdString()));
  const int colour = cbxColours->currentIndex() < 0 ? 0 : cbxColours->currentText().toInt();
  Account_.ListFieldAt(TAccount::lfAccountColour)->SetValue(TVariant::Integer(colour));
}

void TfrmAccountEdit::btnOkClick() {
  if (!InputValid()) return;
  StoreAccount();
  accept();
}

void TfrmAccountEdit::showEvent(QShowEvent* event) {
  if (!Loaded_) {
    Loaded_ = true;
    LoadAccount();
    edAccountName->setFocus();
    CentreOnScreen(*this);
  }
  QDialog::showEvent(event);
}

void TfrmAccountEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    if (btnCancel->isEnabled()) btnCancel->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace tf

#include "gui/workspace/FrmStatementImport.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/app/RowCombos.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/workspace/DialogLook.h"
#include "import/CSVParser.h"
#include "import/StatementCheck.h"
#include "import/StatementImport.h"
#include "model/Account.h"

namespace tf {
namespace {

constexpr int kClientWidth = 420, kClientHeight = 210;
// Long enough that drawing costs little next to the import, short enough
// that the window still follows the mouse.
constexpr int kRepaintMs = 15;

const char* const kHint =
    "If you use the auto recognition functions on the transaction detail screen the import "
    "process will automatically assign a transaction to a category.";

}  // namespace

TfrmStatementImport::TfrmStatementImport(const TWorkspaceDialogs& dialogs, QWidget* parent)
    : QDialog(parent), Dialogs_(dialogs) {
  setObjectName(QStringLiteral("frmStatementImport"));
  SetDialogFrame(*this, QStringLiteral("Import Bank statements"));
  BuildControls();
  BuildLayout();
  setFixedSize(kClientWidth, kClientHeight);
  connect(cbxAccount, &QComboBox::currentIndexChanged, this,
          &TfrmStatementImport::cbxAccountChange);
  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmStatementImport::reject);
}

void TfrmStatementImport::BuildControls() {
  lblHeading = NewLabel(QStringLiteral("Import to :"), this, true);
  cbxAccount = new QComboBox(this);
  cbxAccount->setEditable(false);
  cbxAccount->setMaxVisibleItems(20);
  lblHeading->setBuddy(cbxAccount);
  lblHintHeading = NewLabel(QStringLiteral("Hint"), this, true);
  imgHint = new QLabel(this);
  imgHint->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
  imgHint->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  lblHint = NewLabel(QString::fromLatin1(kHint), this);
  lblHint->setWordWrap(true);
  lblHint->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  chkIgnoreZero = new QCheckBox(QStringLiteral("Ignore zero value transactions"), this);
  chkIgnoreZero->setChecked(true);
  lblLeftOut = NewLabel(QString(), this);
  lblLeftOut->setWordWrap(true);
  lblLeftOut->hide();
  lblProgress = new QLabel(this);
  pbProgress = new QProgressBar(this);
  pbProgress->setTextVisible(false);
  pbProgress->setFixedHeight(14);
  // Only the running import shows its progress; the place stays reserved
  // so that nothing moves when it appears.
  for (QWidget* progress :
       {static_cast<QWidget*>(lblProgress), static_cast<QWidget*>(pbProgress)}) {
    QSizePolicy policy = progress->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    progress->setSizePolicy(policy);
    progress->hide();
  }
  btnOk = new QPushButton(QStringLiteral("Import %S transactions"), this);
  btnOk->setDefault(true);
  btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  btnCancel->setAutoDefault(false);
}

void TfrmStatementImport::BuildLayout() {
  auto* target = new QHBoxLayout;
  target->addWidget(lblHeading);
  target->addWidget(cbxAccount, 1);
  auto* hint = new QGridLayout;
  hint->addWidget(imgHint, 0, 0, 2, 1);
  hint->addWidget(lblHintHeading, 0, 1);
  hint->addWidget(lblHint, 1, 1);
  hint->setColumnStretch(1, 1);
  auto* progress = new QHBoxLayout;
  progress->addWidget(lblProgress, 1);
  progress->addWidget(pbProgress, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(target);
  layout->addSpacing(6);
  layout->addLayout(hint);
  layout->addWidget(chkIgnoreZero);
  layout->addWidget(lblLeftOut);
  layout->addStretch();
  layout->addLayout(progress);
  layout->addLayout(buttons);
  setTabOrder(cbxAccount, chkIgnoreZero);
  setTabOrder(chkIgnoreZero, btnOk);
  setTabOrder(btnOk, btnCancel);
}

void TfrmStatementImport::PrepareControls(const TCSVParser& parser, TAccount& accounts,
                                          TAccount* preselected) {
  btnOk->setText(
      QString::fromStdString(ImportButtonCaption(static_cast<int>(parser.Lines.size()))));
  const std::string leftOut = LeftOutMessage(parser.LeftOut);
  lblLeftOut->setText(QString::fromStdString(leftOut));
  lblLeftOut->setVisible(!leftOut.empty());
  btnOk->setEnabled(false);
  FillAccountCombo(*cbxAccount, accounts);
  if (preselected != nullptr) {
    SelectComboRowById(*cbxAccount, preselected->FieldAt(TAccount::fAccountID)->AsString(), -1);
  }
  cbxAccountChange();
}

void TfrmStatementImport::cbxAccountChange() {
  if (!Working_) btnOk->setEnabled(SelectedRow(*cbxAccount) != nullptr);
}

bool TfrmStatementImport::ImportLines(TCSVParser& parser, TAccount& accounts,
                                      TAccount* preselected) {
  PrepareControls(parser, accounts, preselected);
  if (Dialogs_.Exec(*this) != QDialog::Accepted) return false;
  auto* target = dynamic_cast<TAccount*>(SelectedRow(*cbxAccount));
  if (target == nullptr) return false;
  const bool ignoreZero = chkIgnoreZero->isChecked();

  TImportCallbacks callbacks;
  callbacks.Message = [this](const std::string& text) {
    Dialogs_.Inform(this, QStringLiteral("Information"), QString::fromStdString(text));
  };
  callbacks.Progress = [this](const std::string& caption, int position, int count) {
    ShowProgress(caption, position, count);
  };
  // The dialog is closed again whatever the import does, an error included.
  struct TWork {
    TfrmStatementImport& Dialog;
    ~TWork() { Dialog.EndWork(); }
  } work{*this};
  BeginWork();
  tf::ImportLines(accounts, *target, parser.Lines, ignoreZero, callbacks);
  return true;
}

void TfrmStatementImport::BeginWork() {
  Working_ = true;
  for (QWidget* control : {static_cast<QWidget*>(btnOk), static_cast<QWidget*>(btnCancel),
                           static_cast<QWidget*>(cbxAccount), static_cast<QWidget*>(chkIgnoreZero)})
    control->setEnabled(false);
  lblProgress->show();
  pbProgress->show();
  pbProgress->setValue(0);
  // The modal question is over; the dialog stays up to show the progress
  // and keeps the rest of the program out of reach meanwhile.
  setWindowModality(Qt::ApplicationModal);
  show();
  RunPendingEvents();
}

void TfrmStatementImport::EndWork() {
  Working_ = false;
  hide();
}

void TfrmStatementImport::ShowProgress(const std::string& caption, int position, int count) {
  const bool due = position <= 1 || position >= count || !LastRepaint_.isValid() ||
                   LastRepaint_.elapsed() >= kRepaintMs;
  if (!due) return;
  const QString text = QString::fromStdString(caption);
  setWindowTitle(text);
  lblProgress->setText(text);
  pbProgress->setRange(0, count);
  pbProgress->setValue(position);
  RunPendingEvents();
}

void TfrmStatementImport::RunPendingEvents() {
  QCoreApplication::processEvents();
  LastRepaint_.restart();
}

void TfrmStatementImport::reject() {
  if (Working_) return;
  QDialog::reject();
}

void TfrmStatementImport::showEvent(QShowEvent* event) {
  if (!Centred_) {
    Centred_ = true;
    CentreOnScreen(*this);
    cbxAccount->setFocus();
  }
  QDialog::showEvent(event);
}

void TfrmStatementImport::closeEvent(QCloseEvent* event) {
  if (Working_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace tf

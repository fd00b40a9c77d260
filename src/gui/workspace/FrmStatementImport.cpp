#include "gui/workspace/FrmStatementImport.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/app/RowCombos.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/workspace/DialogLook.h"
#include "gui/workspace/ImportPreviewModel.h"
#include "import/CSVParser.h"
#include "import/StatementCheck.h"
#include "import/StatementFormats.h"
#include "import/StatementImport.h"
#include "import/StatementPreview.h"
#include "model/Account.h"

namespace tf {
namespace {

// The preview needs room; below the minimum every caption and the table's
// first rows stay readable.
constexpr int kClientWidth = 780, kClientHeight = 560;
constexpr int kMinimumWidth = 680, kMinimumHeight = 440;
// Long enough that drawing costs little next to the import, short enough
// that the window still follows the mouse.
constexpr int kRepaintMs = 15;

const char* const kUnrecognised =
    "The format was not recognised; the file is read as the format chosen.";
const char* const kChosenHere = "Read as the format chosen here.";
const char* const kNoAccount = "Choose the account to import to: the preview shows its duplicates.";

const char* const kHint =
    "If you use the auto recognition functions on the transaction detail screen the import "
    "process will automatically assign a transaction to a category.";

}  // namespace

TfrmStatementImport::TfrmStatementImport(const TWorkspaceDialogs& dialogs, QWidget* parent)
    : QDialog(parent), Dialogs_(dialogs), Preview_(new TImportPreviewModel(this)) {
  setObjectName(QStringLiteral("frmStatementImport"));
  SetDialogFrame(*this, QStringLiteral("Import Bank statements"));
  BuildControls();
  BuildLayout();
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  resize(kClientWidth, kClientHeight);
  connect(cbxAccount, &QComboBox::currentIndexChanged, this,
          &TfrmStatementImport::cbxAccountChange);
  connect(cbxFormat, &QComboBox::currentIndexChanged, this, &TfrmStatementImport::cbxFormatChange);
  connect(chkIgnoreZero, &QCheckBox::toggled, this, [this] { RefreshPreview(true); });
  connect(Preview_, &TImportPreviewModel::TicksChanged, this, &TfrmStatementImport::ShowTicks);
  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmStatementImport::reject);
}

TfrmStatementImport::~TfrmStatementImport() = default;

void TfrmStatementImport::BuildControls() {
  lblHeading = NewLabel(QStringLiteral("Import to :"), this, true);
  cbxAccount = new QComboBox(this);
  cbxAccount->setEditable(false);
  cbxAccount->setMaxVisibleItems(20);
  lblHeading->setBuddy(cbxAccount);
  lblFormat = NewLabel(QStringLiteral("&Format :"), this, true);
  cbxFormat = new QComboBox(this);
  cbxFormat->setEditable(false);
  for (const TStatementFormat& format : StatementFormats())
    cbxFormat->addItem(QString::fromLatin1(format.Name), format.Number);
  lblFormat->setBuddy(cbxFormat);
  lblRecognised = NewLabel(QString(), this);
  lblRecognised->setWordWrap(true);
  for (QWidget* choice : {static_cast<QWidget*>(lblFormat), static_cast<QWidget*>(cbxFormat),
                          static_cast<QWidget*>(lblRecognised)})
    choice->hide();
  grdPreview = new QTableView(this);
  grdPreview->setObjectName(QStringLiteral("grdPreview"));
  grdPreview->setModel(Preview_);
  grdPreview->setSelectionBehavior(QAbstractItemView::SelectRows);
  grdPreview->setSelectionMode(QAbstractItemView::SingleSelection);
  grdPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdPreview->setTabKeyNavigation(false);
  grdPreview->setWordWrap(false);
  grdPreview->verticalHeader()->hide();
  grdPreview->verticalHeader()->setDefaultSectionSize(grdPreview->fontMetrics().height() + 6);
  // The description takes what the fixed columns leave, at least a readable part.
  QHeaderView* header = grdPreview->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Interactive);
  for (int column : {TImportPreviewModel::colImport, TImportPreviewModel::colDate,
                     TImportPreviewModel::colAmount})
    header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  header->setSectionResizeMode(TImportPreviewModel::colDescription, QHeaderView::Stretch);
  grdPreview->setColumnWidth(TImportPreviewModel::colCategory, 130);
  grdPreview->setColumnWidth(TImportPreviewModel::colNote, 110);
  grdPreview->installEventFilter(this);
  lblSummary = NewLabel(QString(), this);
  lblSummary->setWordWrap(true);
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
  auto* target = new QGridLayout;
  target->addWidget(lblHeading, 0, 0);
  target->addWidget(cbxAccount, 0, 1);
  target->addWidget(lblFormat, 1, 0);
  target->addWidget(cbxFormat, 1, 1);
  target->addWidget(lblRecognised, 2, 1);
  target->setColumnStretch(1, 1);
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
  layout->addWidget(grdPreview, 1);
  layout->addWidget(lblSummary);
  layout->addWidget(lblLeftOut);
  layout->addLayout(progress);
  layout->addLayout(buttons);
  setTabOrder(cbxAccount, cbxFormat);
  setTabOrder(cbxFormat, chkIgnoreZero);
  setTabOrder(chkIgnoreZero, grdPreview);
  setTabOrder(grdPreview, btnOk);
  setTabOrder(btnOk, btnCancel);
}

void TfrmStatementImport::OfferFormats(int format, const std::string& recognition,
                                       TStatementReader reader) {
  Reader_ = std::move(reader);
  Recognition_ = recognition;
  Format_ = format;
  RecognisedFormat_ = recognition.empty() ? 0 : format;
  {
    const QSignalBlocker quiet(cbxFormat);
    cbxFormat->setCurrentIndex(cbxFormat->findData(format));
  }
  lblRecognised->setText(
      QString::fromStdString(recognition.empty() ? std::string(kUnrecognised) : recognition));
  for (QWidget* choice : {static_cast<QWidget*>(lblFormat), static_cast<QWidget*>(cbxFormat),
                          static_cast<QWidget*>(lblRecognised)})
    choice->show();
}

void TfrmStatementImport::cbxFormatChange() {
  const int format = cbxFormat->currentData().toInt();
  if (!Reader_ || format == Format_) return;
  Format_ = format;
  std::string refusal;
  std::unique_ptr<TCSVParser> parser = Reader_(format, refusal);
  Preview_->Clear();
  OwnParser_ = refusal.empty() ? std::move(parser) : nullptr;
  Parser_ = OwnParser_.get();
  const std::string said = !refusal.empty()              ? refusal
                           : format == RecognisedFormat_ ? Recognition_
                                                         : std::string(kChosenHere);
  lblRecognised->setText(QString::fromStdString(said));
  TintInvalid(*cbxFormat, !refusal.empty());
  const std::string leftOut = Parser_ ? LeftOutMessage(Parser_->LeftOut) : std::string();
  lblLeftOut->setText(QString::fromStdString(leftOut));
  lblLeftOut->setVisible(!leftOut.empty());
  RefreshPreview(false);
}

void TfrmStatementImport::RefreshPreview(bool sameRows) {
  auto* target = dynamic_cast<TAccount*>(SelectedRow(*cbxAccount));
  if (Working_ || Accounts_ == nullptr) return;
  if (Parser_ == nullptr || target == nullptr) {
    Preview_->Clear();
  } else {
    Preview_->Show(
        Parser_->Lines,
        PreviewStatementImport(*Accounts_, *target, Parser_->Lines, chkIgnoreZero->isChecked()),
        sameRows);
  }
  ShowTicks();
}

void TfrmStatementImport::ShowTicks() {
  if (Working_) return;
  const bool previewed = Preview_->rowCount() > 0;
  const int rows = Parser_ ? static_cast<int>(Parser_->Lines.size()) : 0;
  btnOk->setText(
      QString::fromStdString(ImportButtonCaption(previewed ? Preview_->TickedCount() : rows)));
  const std::string summary = previewed
                                  ? PreviewSummary(Preview_->Preview(), Preview_->TickedCount())
                                  : (Parser_ != nullptr ? std::string(kNoAccount) : std::string());
  lblSummary->setText(QString::fromStdString(summary));
  btnOk->setEnabled(Parser_ != nullptr && SelectedRow(*cbxAccount) != nullptr);
}

void TfrmStatementImport::PrepareControls(TAccount& accounts, TAccount* preselected) {
  const std::string leftOut = LeftOutMessage(Parser_->LeftOut);
  lblLeftOut->setText(QString::fromStdString(leftOut));
  lblLeftOut->setVisible(!leftOut.empty());
  btnOk->setEnabled(false);
  {
    // One preview for the account the dialog opens with, not one per item.
    const QSignalBlocker quiet(cbxAccount);
    FillAccountCombo(*cbxAccount, accounts);
    if (preselected != nullptr) {
      SelectComboRowById(*cbxAccount, preselected->FieldAt(TAccount::fAccountID)->AsString(), -1);
    }
  }
  Accounts_ = &accounts;
  cbxAccountChange();
}

void TfrmStatementImport::cbxAccountChange() {
  RefreshPreview(true);
}

bool TfrmStatementImport::ImportLines(TCSVParser& parser, TAccount& accounts,
                                      TAccount* preselected) {
  Parser_ = &parser;
  PrepareControls(accounts, preselected);
  if (Dialogs_.Exec(*this) != QDialog::Accepted) return false;
  auto* target = dynamic_cast<TAccount*>(SelectedRow(*cbxAccount));
  if (target == nullptr || Parser_ == nullptr) return false;
  const std::vector<bool> chosen = Preview_->Chosen();
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
  tf::ImportLines(accounts, *target, Parser_->Lines, ignoreZero, callbacks, chosen);
  return true;
}

void TfrmStatementImport::BeginWork() {
  Working_ = true;
  for (QWidget* control : {static_cast<QWidget*>(btnOk), static_cast<QWidget*>(btnCancel),
                           static_cast<QWidget*>(cbxAccount), static_cast<QWidget*>(cbxFormat),
                           static_cast<QWidget*>(chkIgnoreZero), static_cast<QWidget*>(grdPreview)})
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

// Space ticks or unticks the current row wherever the cursor stands in it.
bool TfrmStatementImport::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grdPreview && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && !Working_) {
    Preview_->ToggleTick(grdPreview->currentIndex().row());
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TfrmStatementImport::closeEvent(QCloseEvent* event) {
  if (Working_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace tf

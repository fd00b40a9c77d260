#include "gui/app/FrmMain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/DailyBackup.h"
#include "app/Global.h"
#include "gui/app/FormLook.h"
#include "gui/app/SaveScheduler.h"
#include "gui/app/WindowGeometry.h"
#include "store/FileLock.h"

namespace tf {
namespace {

constexpr int kDesignWidth = 868, kDesignHeight = 638;
constexpr int kMinimumWidth = 820, kMinimumHeight = 580;
constexpr int kBorderWidth = 5, kFailureBorderWidth = 40;
constexpr int kTabStripHeight = 48, kTabHeight = 45, kTabWidth = 150;
constexpr int kPlacementDelayMs = 100;

// Tabs of one fixed size, as wide as the longest caption needs and more.
class TFixedTabBar : public QTabBar {
 public:
  using QTabBar::QTabBar;

 protected:
  QSize tabSizeHint(int index) const override {
    const QSize natural = QTabBar::tabSizeHint(index);
    return {std::max(kTabWidth, natural.width()), kTabHeight};
  }
};

constexpr const char* kProgramName = "Tallyfold";

bool AskOpenReadOnly(QWidget* parent, const QString& message) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Data File in Use"), message,
                  QMessageBox::NoButton, parent);
  QPushButton* readOnly = box.addButton(QStringLiteral("Open Read-Only"), QMessageBox::AcceptRole);
  box.addButton(QStringLiteral("Quit"), QMessageBox::RejectRole);
  box.setDefaultButton(readOnly);
  box.exec();
  return box.clickedButton() == readOnly;
}

// Qt breaks label lines at LF; the failure text comes with CR LF.
QString LabelText(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

TfrmMain::TfrmMain(TGlobal& global, const TMainPages& pages,
                   const std::vector<std::string>& arguments, TStartDialogs dialogs,
                   QWidget* parent)
    : QWidget(parent),
      Global_(global),
      Layout_(new QVBoxLayout(this)),
      Dialogs_(std::move(dialogs)),
      Saver_(new TSaveScheduler(global, this)) {
  Global_.Trace("Main - Create - 1");
  Global_.TakeCommandLine(arguments);
  Global_.Trace("Main - Create - 2");
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Tallyfold"));
  setWindowIcon(ProgramIcon());
  ApplyFormLook(*this);
  Layout_->setContentsMargins(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth);
  Layout_->setSpacing(0);
  BuildTabStrip();
  BuildClientArea();
  CreatePages(pages);
  Global_.Trace("Main - Create - 3");
  resize(kDesignWidth, kDesignHeight);
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  CentreOnScreen();
  Global_.SetSaveFailureNote(
      "Your data is still in memory and the next change saves it again; check that the folder "
      "exists, the file is not read-only and the disk has room.");
  connect(Saver_, &TSaveScheduler::unsavedChanged, this, &TfrmMain::UpdateCaption);
}

TfrmMain::~TfrmMain() {
  if (ShutDownDone_) return;
  try {
    ShutDown();
  } catch (const std::exception& error) {
    // Too late for the error window; the message still reaches the log.
    Global_.TraceError(error.what());
    qCritical("Tallyfold: %s", error.what());
  }
}

void TfrmMain::BuildTabStrip() {
  EnsureShellResources();
  pnlTabStrip = new QWidget(this);
  pnlTabStrip->setFixedHeight(kTabStripHeight);
  tcMain = new TFixedTabBar(pnlTabStrip);
  tcMain->setFocusPolicy(Qt::NoFocus);
  tcMain->setDrawBase(false);
  tcMain->setExpanding(false);
  for (const char* caption : {"Accounts / Transactions", "Budgets", "Reports", "Calculators"})
    tcMain->addTab(QString::fromLatin1(caption));
  btnPassword = new QPushButton(QIcon(QStringLiteral(":/tallyfold/images/lock.png")),
                                QStringLiteral("Setup Password"), pnlTabStrip);
  btnMoreSettings = new QPushButton(QIcon(QStringLiteral(":/tallyfold/images/settings.png")),
                                    QString(), pnlTabStrip);
  btnMoreSettings->setToolTip(QStringLiteral("Settings"));
  btnMoreSettings->setFixedWidth(btnMoreSettings->sizeHint().height() + 4);
  auto* strip = new QHBoxLayout(pnlTabStrip);
  strip->setContentsMargins(0, 0, 0, 0);
  strip->addWidget(tcMain, 0, Qt::AlignBottom);
  strip->addStretch();
  strip->addWidget(btnPassword);
  strip->addWidget(btnMoreSettings);
  Layout_->addWidget(pnlTabStrip);

  connect(tcMain, &QTabBar::currentChanged, this, &TfrmMain::tcMainChange);
  AddPageShortcuts();
  connect(btnPassword, &QPushButton::clicked, this, &TfrmMain::btnPasswordClick);
  connect(btnMoreSettings, &QPushButton::clicked, this, &TfrmMain::btnMoreSettingsClick);
}

void TfrmMain::AddPageShortcuts() {
  // The tab strip takes no focus, so the pages are also reached by keyboard.
  const auto step = [this](int by) {
    const int count = tcMain->count();
    tcMain->setCurrentIndex((tcMain->currentIndex() + by + count) % count);
  };
  for (const QKeySequence& key :
       {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
    connect(new QShortcut(key, this), &QShortcut::activated, this, [step] { step(1); });
  for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                  QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
    connect(new QShortcut(key, this), &QShortcut::activated, this, [step] { step(-1); });
}

void TfrmMain::BuildClientArea() {
  pnlClient = new QWidget(this);
  auto* client = new QGridLayout(pnlClient);
  client->setContentsMargins(0, 0, 0, 0);
  lblFailureMessage = new QLabel(pnlClient);
  lblFailureMessage->setWordWrap(true);
  lblFailureMessage->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lblFailureMessage->setTextFormat(Qt::PlainText);
  lblFailureMessage->setAttribute(Qt::WA_TranslucentBackground);
  lblFailureMessage->hide();
  client->addWidget(lblFailureMessage, 0, 0);
  Layout_->addWidget(pnlClient, 1);

  TimerDebug = new QTimer(this);
  TimerDebug->setSingleShot(true);
  TimerDebug->setInterval(kPlacementDelayMs);
  connect(TimerDebug, &QTimer::timeout, this, &TfrmMain::TimerDebugTimer);
}

void TfrmMain::CreatePages(const TMainPages& pages) {
  AddPage(tabTransactions, pages.Transactions, "Main - Create Trans - 1");
  AddPage(tabReports, pages.Reports, "Main - Create Report - 1");
  AddPage(tabBudgets, pages.Budgets, "Main - Budget - 1");
  AddPage(tabCalculators, pages.Calculators, "Main - Create Calculator - 1");
}

void TfrmMain::AddPage(TTab tab, const TPageFactory& factory, const char* trace) {
  Global_.Trace(trace);
  TWorkspacePage page = factory ? factory(pnlClient) : EmptyPage(pnlClient);
  if (!page.Widget) page = EmptyPage(pnlClient);
  page.Widget->setParent(pnlClient);
  page.Widget->hide();
  static_cast<QGridLayout*>(pnlClient->layout())->addWidget(page.Widget, 0, 0);
  Pages_[static_cast<std::size_t>(tab)] = std::move(page);
}

void TfrmMain::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  move(area.center() - QPoint(width() / 2, height() / 2));
}

bool TfrmMain::TakeLock() {
  try {
    Global_.LockDataFile(kProgramName);
    return true;
  } catch (const EFileLocked& locked) {
    const QString message =
        QString::fromStdString(locked.what()) +
        QStringLiteral("\n\nOpen it read-only (nothing you change can be saved), or quit?");
    const bool readOnly = Dialogs_.OpenReadOnly ? Dialogs_.OpenReadOnly(this, message)
                                                : AskOpenReadOnly(this, message);
    if (!readOnly) {
      QuitRequested_ = true;
      return false;
    }
    Global_.SetReadOnly(locked.Holder);
    UpdateCaption();
    return true;
  }
}

TfrmMain::TOpening TfrmMain::OpenDataOrBackup() {
  try {
    return Global_.OpenDataFile() ? TOpening::Opened : TOpening::WrongPassword;
  } catch (const EStoreError& error) {
    if (!Dialogs_.OpenBackup) throw;
    const std::optional<TDailyBackup> backup = NewestReadableBackup(Global_.DataFilePath());
    if (!backup) throw;
    if (!Dialogs_.OpenBackup(error.what(), BackupDayText(*backup))) return TOpening::Declined;
    return Global_.OpenFromBackup(backup->Path) ? TOpening::Opened : TOpening::WrongPassword;
  }
}

void TfrmMain::Start() {
  if (!TakeLock()) return;
  // Nothing is written after a failed opening, so nobody needs to wait for it.
  const auto release = qScopeGuard([this] {
    if (!Global_.FileLoaded()) Global_.ReleaseLock();
  });
  const TOpening opening = OpenDataOrBackup();
  // Declined: as after a damaged file, the tab strip and no page.
  if (opening == TOpening::Declined) return;
  if (opening == TOpening::Opened) {
    tcMainChange(tcMain->currentIndex());
    TimerDebug->start();
  } else {
    ShowFailure();
  }
  Global_.Trace("Main - Create - 4");
  Global_.BuildMonthIndex(true);
}

void TfrmMain::ShowFailure() {
  Failed_ = true;
  Layout_->setContentsMargins(kFailureBorderWidth, kFailureBorderWidth, kFailureBorderWidth,
                              kFailureBorderWidth);
  pnlTabStrip->hide();
  Page(tabTransactions)->hide();
  lblFailureMessage->setText(LabelText(Global_.LoadFailureMessage()));
  lblFailureMessage->show();
}

void TfrmMain::ShutDown() {
  ShutDownDone_ = true;
  Global_.ShutDown();
}

void TfrmMain::tcMainChange(int index) {
  // After a failed opening only the failure text is shown, whatever asks.
  if (Failed_) return;
  if (index < 0 || index >= static_cast<int>(Pages_.size())) return;
  for (int tab = 0; tab < static_cast<int>(Pages_.size()); ++tab)
    if (tab != index) Page(tab)->hide();
  const TWorkspacePage& page = Pages_[static_cast<std::size_t>(index)];
  page.Widget->show();
  if (index == tabTransactions) return;
  // Draw the page before the possibly long recomputation.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  if (page.Refresh && (index == tabBudgets || index == tabReports)) page.Refresh();
}

void TfrmMain::btnPasswordClick() {
  Global_.Trace("Main - Password - 1");
  if (Global_.ChangePassword()) Global_.NoteChange();
}

void TfrmMain::btnMoreSettingsClick() {
  Global_.Trace("Main - More Settings - 1");
  emit settingsRequested();
  UpdateCaption();
}

void TfrmMain::UpdateCaption() {
  QString caption = QString::fromLatin1(kProgramName);
  if (Global_.ReadOnly())
    caption += QStringLiteral(" (read-only)");
  else if (Global_.HasUnsavedChanges())
    caption += QStringLiteral(" (unsaved changes)");
  setWindowTitle(caption);
}

void TfrmMain::TimerDebugTimer() {
  TimerDebug->stop();
  RestoreWindowPlacement(*this, Global_.Preferences(), kPlacementName);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  SaveWindowPlacement(*this, Global_.Preferences(), kPlacementName);
  // A change still waiting for its save goes to disk before the window goes.
  Saver_->SaveNow();
  event->accept();
}

}  // namespace tf

// The window as one writer among several: a change that only reached memory
// is on disk within two seconds (no shutdown needed), a failed save is shown
// and marked in the caption until a save succeeds, a file another program
// holds opens read-only or not at all, and a damaged file opens from its
// newest backup that reads.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "WorkspaceGuiSupport.h"
#include "app/DailyBackup.h"
#include "gui/app/ErrorReporter.h"
#include "gui/app/FrmErrorWindow.h"
#include "gui/app/FrmMain.h"
#include "gui/app/FrmSettings.h"
#include "gui/app/SaveScheduler.h"
#include "gui/workspace/FrmTransactionViewer.h"
#include "gui/workspace/TransactionMenus.h"
#include "store/FileLock.h"

using namespace tf;
using namespace tf::test;

namespace {

constexpr int kPatienceMs = 10000;  // a busy machine; the save itself is due within 2 s

// A data file of one account with one transaction in March 2010, listed by
// the page's stored date range.
void WriteSample(const QString& path) {
  TAccount root(nullptr, TBoneKind::List);
  root.ListFieldAt(TAccount::lfStartDate)->SetValue(TVariant::String("01 Mar 2010"));
  root.ListFieldAt(TAccount::lfEndDate)->SetValue(TVariant::String("31 Mar 2010"));
  TAccount* account = root.NewAccount();
  account->FieldAt(TAccount::fAccountID)->SetValue(TVariant::String("{A}"));
  account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String("Cheque"));
  TTransactions* row = account->TransactionsTable()->NewTransaction();
  row->FieldAt(TTransactions::fTransactionID)->SetValue(TVariant::String("{T1}"));
  row->FieldAt(TTransactions::fDate)->SetValue(TVariant::String("02 Mar 2010"));
  row->FieldAt(TTransactions::fDescription)->SetValue(TVariant::String("Rent"));
  QDir().mkpath(QFileInfo(path).path());
  root.SaveToFile(path.toStdString(), true);
}

bool LockedOnDisk(const QString& path) {
  TAccount root(nullptr, TBoneKind::List);
  root.LoadFromFile(path.toStdString(), true);
  return root.AccountAt(0)
      ->TransactionsTable()
      ->TransactionAt(0)
      ->FieldAt(TTransactions::fLockedForAutoMatching)
      ->AsBool();
}

}  // namespace

class DataSafetyTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> Home_;
  std::shared_ptr<TDialogScript> Script_;
  TStartDialogs Start_;
  QStringList Errors_;

  QString DataFile() const { return Home_->path() + QStringLiteral("/Tallyfold/data.tfold"); }

  std::unique_ptr<TfrmMain> NewWindow() {
    TMainPages pages;
    const TWorkspaceDialogs dialogs = ScriptedDialogs(Script_);
    pages.Transactions = [dialogs](QWidget* parent) {
      return TWorkspacePage{new TfrmTransactionViewer(Global(), dialogs, parent), {}};
    };
    pages.Reports = pages.Budgets = pages.Calculators = EmptyPage;
    auto window = std::make_unique<TfrmMain>(Global(), pages, std::vector<std::string>{}, Start_);
    window->resize(1000, 640);
    return window;
  }

  static TfrmTransactionViewer& Viewer(const TfrmMain& window) {
    return *static_cast<TfrmTransactionViewer*>(window.Page(TfrmMain::tabTransactions));
  }

  static void LockFirstTransaction(TfrmMain& window) {
    TfrmTransactionViewer& viewer = Viewer(window);
    viewer.grdMain->setCurrentIndex(viewer.grdMain->model()->index(0, 0));
    viewer.Menus->menuItemLock->trigger();
  }

 private slots:
  void init() {
    Home_ = std::make_unique<QTemporaryDir>();
    QVERIFY(Home_->isValid());
    Script_ = std::make_shared<TDialogScript>();
    Start_ = {};
    Errors_.clear();
    Global().Initialise(TestServices(Home_->path(), std::make_shared<TPromptScript>()));
    static_cast<TApplication*>(qApp)->SetErrorHandler(
        [this](const std::string& message) { Errors_ << QString::fromStdString(message); });
    WriteSample(DataFile());
  }

  void aChangeThroughThePageIsOnDiskWithinTwoSecondsWithoutAShutdown() {
    auto window = NewWindow();
    window->Start();
    window->show();
    QCOMPARE(Viewer(*window).grdMain->model()->rowCount(), 1);
    LockFirstTransaction(*window);
    QVERIFY(Global().HasUnsavedChanges());
    QVERIFY(window->Saver().Pending());
    QCOMPARE(window->windowTitle(), QStringLiteral("Tallyfold (unsaved changes)"));
    QVERIFY(!LockedOnDisk(DataFile()));  // not on the click's own path

    // Killing the program now would lose nothing: the change is on disk
    // although no shutdown ran.
    QTRY_VERIFY_WITH_TIMEOUT(LockedOnDisk(DataFile()), kPatienceMs);
    QVERIFY(!Global().HasUnsavedChanges());
    QCOMPARE(window->windowTitle(), QStringLiteral("Tallyfold"));
    QVERIFY(Errors_.isEmpty());
  }

  void theDelayNeverPassesTwoSecondsAfterTheFirstChange() {
    QCOMPARE(TSaveScheduler::kLatestMs, 2000);
    QVERIFY(TSaveScheduler::kQuietMs <= TSaveScheduler::kLatestMs);
  }

  void aFailedSaveIsShownMarkedAndTriedAgainWithTheNextChange() {
    auto window = NewWindow();
    window->Start();
    window->show();
    const std::string path = DataFile().toStdString();
    ::chmod(path.c_str(), 0444);
    LockFirstTransaction(*window);
    QTRY_COMPARE_WITH_TIMEOUT(Errors_.size(), 1, kPatienceMs);
    QVERIFY2(
        Errors_[0].contains(
            QStringLiteral("Cannot create file \"%1\". The file is read-only.").arg(DataFile())),
        qPrintable(Errors_[0]));
    QVERIFY2(Errors_[0].contains(QStringLiteral("still in memory")), qPrintable(Errors_[0]));
    QVERIFY(Global().HasUnsavedChanges());
    QCOMPARE(window->windowTitle(), QStringLiteral("Tallyfold (unsaved changes)"));
    QVERIFY(!window->Saver().Pending());  // no retry without a change: one window, not many

    ::chmod(path.c_str(), 0644);
    Viewer(*window).Menus->menuItemLock->trigger();  // locked twice: unlocked again
    Viewer(*window).Menus->menuItemLock->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!Global().HasUnsavedChanges(), kPatienceMs);
    QVERIFY(LockedOnDisk(DataFile()));
    QCOMPARE(window->windowTitle(), QStringLiteral("Tallyfold"));
    QCOMPARE(Errors_.size(), 1);
  }

  void closingSavesAWaitingChangeAtOnce() {
    auto window = NewWindow();
    window->Start();
    window->show();
    LockFirstTransaction(*window);
    QVERIFY(window->Saver().Pending());
    window->close();
    QVERIFY(!window->Saver().Pending());
    QVERIFY(LockedOnDisk(DataFile()));
  }

  void aFileAnotherProgramHoldsOpensReadOnlyOrNotAtAll_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("quit") << false;
    QTest::newRow("read-only") << true;
  }

  void aFileAnotherProgramHoldsOpensReadOnlyOrNotAtAll() {
    QFETCH(bool, readOnly);
    const QByteArray before = ReadBytes(DataFile());
    const TDataFileLock other(DataFile().toStdString(), "tallyfold-cli import");
    QString asked;
    Start_.OpenReadOnly = [&](QWidget*, const QString& message) {
      asked = message;
      return readOnly;
    };
    auto window = NewWindow();
    window->Start();
    QVERIFY2(asked.contains(QStringLiteral("is in use by tallyfold-cli import (process ")),
             qPrintable(asked));
    QCOMPARE(window->QuitRequested(), !readOnly);
    QCOMPARE(Global().FileLoaded(), readOnly);
    if (readOnly) {
      window->show();
      QCOMPARE(window->windowTitle(), QStringLiteral("Tallyfold (read-only)"));
      QCOMPARE(Global().Accounts.RowCount(), 1);
      LockFirstTransaction(*window);
      QTRY_COMPARE_WITH_TIMEOUT(Errors_.size(), 1, kPatienceMs);  // the change is refused, visibly
      QVERIFY2(Errors_[0].contains(QStringLiteral("opened read-only")), qPrintable(Errors_[0]));
    }
    window->ShutDown();
    window.reset();
    QCOMPARE(ReadBytes(DataFile()), before);
  }

  void aDamagedFileOpensFromItsNewestBackupThatReads_data() {
    QTest::addColumn<bool>("taken");
    QTest::newRow("taken") << true;
    QTest::newRow("declined") << false;
  }

  void aDamagedFileOpensFromItsNewestBackupThatReads() {
    QFETCH(bool, taken);
    const std::string data = DataFile().toStdString();
    QDir().mkpath(QString::fromStdString(DailyBackupFolder(data)));
    WriteSample(QString::fromStdString(DailyBackupPath(data, EncodeDate(2026, 12, 10))));
    const QByteArray damaged("not a data file");
    WriteBytes(DataFile(), damaged);
    std::string offeredDay;
    Start_.OpenBackup = [&](const std::string&, const std::string& day) {
      offeredDay = day;
      return taken;
    };
    auto window = NewWindow();
    window->Start();  // no error escapes: the offer was the report
    QCOMPARE(offeredDay, std::string("10 Dec 2026"));
    QCOMPARE(Global().FileLoaded(), taken);
    QVERIFY(!window->InFailureState());
    const QStringList kept =
        QDir(QFileInfo(DataFile()).path()).entryList({QStringLiteral("data-damaged-*.tfold")});
    if (taken) {
      QCOMPARE(Global().Accounts.RowCount(), 1);
      QCOMPARE(kept.size(), 1);
      QCOMPARE(ReadBytes(QFileInfo(DataFile()).path() + QLatin1Char('/') + kept[0]), damaged);
      QVERIFY(!LockedOnDisk(DataFile()));  // the data file reads again
    } else {
      QVERIFY(kept.isEmpty());
      window->ShutDown();
      QCOMPARE(ReadBytes(DataFile()), damaged);
    }
  }

  void theErrorWindowOffersTheBackupByItsDay() {
    QString offer, button;
    TErrorReporter reporter(Global(), {},
                            [&](const QString&, const QString& text, const QString& caption) {
                              offer = text;
                              button = caption;
                              return TfrmErrorWindow::kTakeOffer;
                            });
    QVERIFY(reporter.OfferBackup("Cannot read file", "10 Dec 2026"));
    QVERIFY2(offer.contains(QStringLiteral("as it was on 10 Dec 2026")), qPrintable(offer));
    QCOMPARE(button, QStringLiteral("Open Backup of 10 Dec 2026"));
    QCOMPARE(Global().TraceLog()[0], std::string("ERROR - Cannot read file"));

    TfrmErrorWindow window({});
    window.SetOffer(offer, button);
    QTimer::singleShot(0, &window,
                       [&window] { QTest::mouseClick(window.btnOffer, Qt::LeftButton); });
    QCOMPARE(window.exec(), TfrmErrorWindow::kTakeOffer);
  }

  void theSettingsDialogShowsWhereTheBackupsAre() {
    TfrmSettings settings(Global());
    const QString folder = QString::fromStdString(DailyBackupFolder(Global().DataFilePath()));
    QVERIFY2(settings.lblBackupFolder->text().contains(QDir::toNativeSeparators(folder)),
             qPrintable(settings.lblBackupFolder->text()));
    QCOMPARE(settings.btnOpenBackups->text(), QStringLiteral("Open Folder"));
  }

  void cleanup() {
    static_cast<TApplication*>(qApp)->SetErrorHandler({});
    Global().Reset();
    Home_.reset();
  }
};

TF_GUI_TEST_MAIN(DataSafetyTest)
#include "DataSafetyTest.moc"

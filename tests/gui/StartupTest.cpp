// Start-up and shutdown of the main window: a first start without a data
// file, the password check, a damaged file, the command line, the page
// switching rule and what reaches the disk when the program ends.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <memory>

#include "GuiTestSupport.h"
#include "app/Global.h"
#include "gui/app/CommandLine.h"
#include "gui/app/ErrorReporter.h"
#include "gui/app/FrmMain.h"
#include "gui/app/MainPages.h"
#include "gui/app/VersionInfo.h"
#include "model/Account.h"
#include "model/Transactions.h"

using namespace tf;
using namespace tf::test;

namespace {

struct TPageCounts {
  int Refreshes[4] = {0, 0, 0, 0};
};

// Pages that count how often the main window asks them to refresh.
TMainPages CountingPages(std::shared_ptr<TPageCounts> counts) {
  auto page = [counts](int tab) {
    return [counts, tab](QWidget* parent) {
      auto* widget = new QWidget(parent);
      widget->setObjectName(QStringLiteral("page%1").arg(tab));
      return TWorkspacePage{widget, [counts, tab] { ++counts->Refreshes[tab]; }};
    };
  };
  return {page(TfrmMain::tabTransactions), page(TfrmMain::tabReports), page(TfrmMain::tabBudgets),
          page(TfrmMain::tabCalculators)};
}

std::vector<std::string> OldestFirst(const TTraceLog& log) {
  return {log.Entries().rbegin(), log.Entries().rend()};
}

QString ExpectedFailureText(const QString& path) {
  return QStringLiteral(
             "One of 2 things could have happened\n"
             "\n"
             "\t\t1) You entered the wrong password, in that case close down and try again.\n"
             "\t\t2) The data file called \"data.tfold\" is corrupted, in that case you really\n"
             "\t\t   have a problem. You can delete the file and the program will start with no "
             "details\n"
             "\t\t   and you have to start from scratch to capturing transactions and budgets.\n"
             "\t\t3) The data file is located here \n"
             "\t\t   ") +
         path;
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> Home_;
  std::shared_ptr<TPromptScript> Prompt_;
  std::shared_ptr<TPageCounts> Counts_;

  QString DataFolder() const { return Home_->path() + QStringLiteral("/Tallyfold"); }
  QString DataFile() const { return DataFolder() + QStringLiteral("/data.tfold"); }

  std::unique_ptr<TfrmMain> NewWindow(const std::vector<std::string>& arguments = {}) {
    return std::make_unique<TfrmMain>(Global(), CountingPages(Counts_), arguments);
  }

  int VisiblePages(const TfrmMain& window) const {
    int visible = 0;
    for (int tab = 0; tab < 4; ++tab) visible += window.Page(tab)->isVisibleTo(&window) ? 1 : 0;
    return visible;
  }

 private slots:
  void init() {
    Home_ = std::make_unique<QTemporaryDir>();
    QVERIFY(Home_->isValid());
    Prompt_ = std::make_shared<TPromptScript>();
    Counts_ = std::make_shared<TPageCounts>();
    Global().Initialise(TestServices(Home_->path(), Prompt_));
    static_cast<TApplication*>(qApp)->SetErrorHandler({});
  }

  void firstStartOpensAnEmptyDataSetWithTheDefaultCategories() {
    auto window = NewWindow();
    window->Start();
    QVERIFY(!window->InFailureState());
    QVERIFY(Global().FileLoaded());
    QCOMPARE(Global().Accounts.RowCount(), 0);
    QCOMPARE(Global().Categories.Count(), std::size_t(50));
    QVERIFY(Prompt_->Initials.empty());
    QCOMPARE(window->windowTitle(), QStringLiteral("Tallyfold"));
    QVERIFY(window->pnlTabStrip->isVisibleTo(window.get()));
    QVERIFY(window->Page(TfrmMain::tabTransactions)->isVisibleTo(window.get()));
    QCOMPARE(VisiblePages(*window), 1);
    QVERIFY(window->TimerDebug->isActive());
    QVERIFY(!QFile::exists(DataFile()));  // created by the first save
  }

  void startUpTracesItsStepsInOrder() {
    auto window = NewWindow();
    window->Start();
    const std::vector<std::string> expected = {
        "Main - Create - 1",        "Main - Create - 2",      "Main - Create Trans - 1",
        "Main - Create Report - 1", "Main - Budget - 1",      "Main - Create Calculator - 1",
        "Main - Create - 3",        "global - Load File - 1", "global - Load File - 2b",
        "Main - Create - 4"};
    QCOMPARE(OldestFirst(Global().TraceLog()), expected);
  }

  void shutdownWritesTheNewDataFileWithItsCategories() {
    auto window = NewWindow();
    window->Start();
    window->ShutDown();
    window.reset();
    QVERIFY(QFile::exists(DataFile()));
    TAccount stored(nullptr, TBoneKind::List);
    stored.LoadFromFile(DataFile().toStdString(), true);
    const std::string categories = stored.ListFieldAt(TAccount::lfCategories)->AsString();
    QVERIFY(categories.find("\"Income - paycheck\"") != std::string::npos);
    QVERIFY(categories.find("\"Other - pocket money\"") != std::string::npos);
  }

  void shutdownPurgesDeletedRowsBeforeTheLastSave() {
    QDir().mkpath(DataFolder());
    WriteDataFile(DataFile(), "", {"Cheque", "Visa"});
    auto window = NewWindow();
    window->Start();
    QCOMPARE(Global().Accounts.RowCount(), 2);
    Global().Accounts.AccountAt(0)->Deleted = true;
    window.reset();  // destroying the window runs the shutdown nobody ran
    TAccount stored(nullptr, TBoneKind::List);
    stored.LoadFromFile(DataFile().toStdString(), true);
    QCOMPARE(stored.RowCount(), 1);
    QCOMPARE(stored.AccountAt(0)->FieldAt(TAccount::fAccountName)->AsString(), std::string("Visa"));
  }

  void thePasswordDecidesWhetherTheFileOpens_data() {
    QTest::addColumn<bool>("answered");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("opens");
    QTest::newRow("right") << true << "Secret7" << true;
    QTest::newRow("right with blanks around") << true << "  Secret7 " << true;
    QTest::newRow("other letter case") << true << "secret7" << false;
    QTest::newRow("wrong") << true << "guess" << false;
    QTest::newRow("empty entry") << true << "" << false;
    QTest::newRow("cancelled") << false << "" << false;
  }

  void thePasswordDecidesWhetherTheFileOpens() {
    QFETCH(bool, answered);
    QFETCH(QString, answer);
    QFETCH(bool, opens);
    QDir().mkpath(DataFolder());
    WriteDataFile(DataFile(), "Secret7", {"Cheque", "Visa"});
    const QByteArray before = ReadBytes(DataFile());
    if (answered)
      Prompt_->Answers.push_back(answer.toStdString());
    else
      Prompt_->Answers.push_back(std::nullopt);

    auto window = NewWindow();
    window->Start();
    QCOMPARE(Prompt_->Initials, std::vector<std::string>{""});  // asked once, empty box
    QCOMPARE(window->InFailureState(), !opens);
    QCOMPARE(Global().FileLoaded(), opens);
    QCOMPARE(Global().Accounts.RowCount(), opens ? 2 : 0);
    if (!opens) {
      QVERIFY(!window->pnlTabStrip->isVisibleTo(window.get()));
      QCOMPARE(VisiblePages(*window), 0);
      QVERIFY(window->lblFailureMessage->isVisibleTo(window.get()));
      QCOMPARE(window->lblFailureMessage->text(),
               ExpectedFailureText(QString::fromStdString(Global().DataFilePath())));
      QCOMPARE(window->layout()->contentsMargins().left(), 40);
    }
    window->ShutDown();
    window.reset();
    if (!opens) QCOMPARE(ReadBytes(DataFile()), before);
  }

  void aFileWhosePasswordIsOnlyBlanksOpensWithoutAPrompt() {
    QDir().mkpath(DataFolder());
    WriteDataFile(DataFile(), "   ", {"Cheque"});
    auto window = NewWindow();
    window->Start();
    QVERIFY(Prompt_->Initials.empty());
    QCOMPARE(Global().Accounts.RowCount(), 1);
  }

  void aDamagedFileIsReportedAndNeverWritten() {
    QDir().mkpath(DataFolder());
    const QByteArray damaged("this is not a Tallyfold data file");
    WriteBytes(DataFile(), damaged);
    QStringList reports;
    TErrorReporter reporter(Global(), [&reports](const QString& report) {
      reports << report;
      return false;
    });
    auto* app = static_cast<TApplication*>(qApp);
    app->SetErrorHandler([&reporter](const std::string& message) { reporter.Report(message); });

    auto window = NewWindow();
    QVERIFY(!app->RunGuarded([&] { window->Start(); }));
    QCOMPARE(reports.size(), 1);
    const QStringList lines = reports.front().split(QLatin1Char('\n'));
    QCOMPARE(lines.at(0), TVersionInfo().FileVersion());
    QVERIFY(lines.at(1).startsWith(QStringLiteral("ERROR - ")));
    QVERIFY(!reporter.CloseDownRequested());
    QVERIFY(!Global().FileLoaded());
    QVERIFY(!window->InFailureState());
    QVERIFY(window->pnlTabStrip->isVisibleTo(window.get()));
    QCOMPARE(VisiblePages(*window), 0);  // no page until a tab is chosen

    window->tcMain->setCurrentIndex(TfrmMain::tabBudgets);
    Global().Accounts.NewAccount()->AssignNewId();  // nothing entered may reach the disk
    window->ShutDown();
    window.reset();
    QCOMPARE(ReadBytes(DataFile()), damaged);
  }

  void theCommandLineNamesTheDataFile_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("takesNamedFile");
    QTest::newRow("no argument") << QStringList{"tallyfold"} << false;
    QTest::newRow("file") << QStringList{"tallyfold", "NAMED"} << true;
    QTest::newRow("program and file")
        << QStringList{"tallyfold", "/usr/bin/tallyfold", "NAMED"} << true;
    QTest::newRow("missing file") << QStringList{"tallyfold", "MISSING"} << false;
    QTest::newRow("three arguments") << QStringList{"tallyfold", "a", "NAMED", "b"} << false;
  }

  void theCommandLineNamesTheDataFile() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, takesNamedFile);
    const QString named = Home_->filePath(QStringLiteral("backup copy.tfold"));
    WriteDataFile(named, "", {"Savings"});
    arguments.replaceInStrings(QStringLiteral("NAMED"), named);
    arguments.replaceInStrings(QStringLiteral("MISSING"), Home_->filePath(QStringLiteral("gone")));

    auto window = NewWindow(DataFileArguments(arguments));
    window->Start();
    QCOMPARE(QString::fromStdString(Global().DataFilePath()), takesNamedFile ? named : DataFile());
    QCOMPARE(Global().Accounts.RowCount(), takesNamedFile ? 1 : 0);
    Global().Accounts.NewAccount()->AssignNewId();
    window->ShutDown();
    // Every save goes to the file in use; the other one is left alone.
    TAccount stored(nullptr, TBoneKind::List);
    stored.LoadFromFile((takesNamedFile ? named : DataFile()).toStdString(), true);
    QCOMPARE(stored.RowCount(), takesNamedFile ? 2 : 1);
    QCOMPARE(QFile::exists(DataFile()), !takesNamedFile);
  }

  void budgetsAndReportsAreRecomputedEachTimeTheirTabIsChosen() {
    auto window = NewWindow();
    window->Start();
    const int order[] = {TfrmMain::tabBudgets,      TfrmMain::tabReports,     TfrmMain::tabBudgets,
                         TfrmMain::tabTransactions, TfrmMain::tabCalculators, TfrmMain::tabReports};
    for (int tab : order) {
      window->tcMain->setCurrentIndex(tab);
      QCOMPARE(VisiblePages(*window), 1);
      QVERIFY(window->Page(tab)->isVisibleTo(window.get()));
    }
    QCOMPARE(Counts_->Refreshes[TfrmMain::tabBudgets], 2);
    QCOMPARE(Counts_->Refreshes[TfrmMain::tabReports], 2);
    QCOMPARE(Counts_->Refreshes[TfrmMain::tabTransactions], 0);
    QCOMPARE(Counts_->Refreshes[TfrmMain::tabCalculators], 0);
  }

  void thePagesCanBeReachedByKeyboard() {
    auto window = NewWindow();
    window->Start();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(window->tcMain->currentIndex(), int(TfrmMain::tabBudgets));
    QVERIFY(window->Page(TfrmMain::tabBudgets)->isVisible());
    QTest::keyClick(window.get(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(window->tcMain->currentIndex(), int(TfrmMain::tabCalculators));
    QCOMPARE(VisiblePages(*window), 1);
  }

  void afterAWrongPasswordNoPageCanBeReached() {
    QDir().mkpath(DataFolder());
    WriteDataFile(DataFile(), "Secret7", {"Cheque"});
    Prompt_->Answers.push_back(std::string("guess"));
    auto window = NewWindow();
    window->Start();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_PageDown, Qt::ControlModifier);
    window->tcMain->setCurrentIndex(TfrmMain::tabReports);
    QCOMPARE(VisiblePages(*window), 0);
    QCOMPARE(Counts_->Refreshes[TfrmMain::tabReports], 0);
    QVERIFY(window->lblFailureMessage->isVisible());
  }

  void setupPasswordOffersTheCurrentPasswordAndKeepsItInMemory() {
    QDir().mkpath(DataFolder());
    WriteDataFile(DataFile(), "old", {"Cheque"});
    Prompt_->Answers = {std::string("old"), std::string(" new ")};
    auto window = NewWindow();
    window->Start();
    const QByteArray onDisk = ReadBytes(DataFile());
    QTest::mouseClick(window->btnPassword, Qt::LeftButton);
    QCOMPARE(Prompt_->Initials, (std::vector<std::string>{"", "old"}));
    QCOMPARE(Global().Password(), std::string("new"));
    QCOMPARE(Global().TraceLog()[0], std::string("Main - Password - 1"));
    QCOMPARE(ReadBytes(DataFile()), onDisk);  // reaches the file with the next save
    window->ShutDown();
    TAccount stored(nullptr, TBoneKind::List);
    stored.LoadFromFile(DataFile().toStdString(), true);
    QCOMPARE(stored.ListFieldAt(TAccount::lfPassword)->AsString(), std::string("new"));
  }

  void theSettingsButtonAsksForTheDialogAndRestoresTheCaption() {
    auto window = NewWindow();
    window->Start();
    QSignalSpy requested(window.get(), &TfrmMain::settingsRequested);
    connect(window.get(), &TfrmMain::settingsRequested, window.get(),
            [&] { window->setWindowTitle(QStringLiteral("changed")); });
    QTest::mouseClick(window->btnMoreSettings, Qt::LeftButton);
    QCOMPARE(requested.count(), 1);
    QCOMPARE(window->windowTitle(), QStringLiteral("Tallyfold"));
    QCOMPARE(Global().TraceLog()[0], std::string("Main - More Settings - 1"));
    QCOMPARE(window->btnMoreSettings->toolTip(), QStringLiteral("Settings"));
  }

  void closingStoresThePlacementAndThePlacementTimerRestoresIt() {
    auto window = NewWindow();
    window->Start();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QRect area = window->screen()->availableGeometry();
    if (area.width() < 900 || area.height() < 700)
      QSKIP("The screen is smaller than the main window; see offscreen-screen.json.");
    window->setGeometry(area.left() + 7, area.top() + 9, 830, 590);
    const QRect frame = window->frameGeometry();
    window->close();
    TPreferenceStore& prefs = Global().Preferences();
    QCOMPARE(prefs.ReadSetting("TfrmMain_L"), std::to_string(frame.left()));
    QCOMPARE(prefs.ReadSetting("TfrmMain_T"), std::to_string(frame.top()));
    QCOMPARE(prefs.ReadSetting("TfrmMain_W"), std::to_string(frame.width()));
    QCOMPARE(prefs.ReadSetting("TfrmMain_H"), std::to_string(frame.height()));

    auto next = NewWindow();
    next->Start();
    next->show();
    QVERIFY(QTest::qWaitForWindowExposed(next.get()));
    QVERIFY(next->TimerDebug->isActive());
    QVERIFY(next->frameGeometry() != frame);  // centred until the timer runs
    next->TimerDebugTimer();
    QVERIFY(!next->TimerDebug->isActive());
    QCOMPARE(next->frameGeometry(), frame);
    QCOMPARE(next->size(), QSize(830, 590));
  }

  void closingWithNothingChangedLeavesTheFileAsItWas() {
    // A file as the program leaves it: written by a first run (whose
    // transactions page keeps its date range in the file).
    auto first = std::make_unique<TfrmMain>(Global(), DefaultMainPages(Global()),
                                            std::vector<std::string>{});
    first->Start();
    first->show();
    QVERIFY(QTest::qWaitForWindowExposed(first.get()));
    TAccount* account = Global().Accounts.NewAccount();
    account->AssignNewId();
    account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String("Cheque"));
    for (int i = 0; i < 3; ++i) {
      TTransactions* row = account->TransactionsTable()->NewTransaction();
      const std::string date = "0" + std::to_string(i + 1) + " Mar 2010";
      row->FieldAt(TTransactions::fDate)->SetValue(TVariant::String(date));
      const TCurrency amount{-10000 * (i + 1)};
      row->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(amount));
      row->FieldAt(TTransactions::fCategory)->SetValue(TVariant::String("Food"));
    }
    Global().Accounts.RecalculateBalances();
    first->ShutDown();
    first.reset();
    // An hour old, so that a rewrite shows in its time.
    QFile file(DataFile());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                             QFileDevice::FileModificationTime));
    file.close();
    const QByteArray bytes = ReadBytes(DataFile());
    const QDateTime written = QFileInfo(DataFile()).lastModified();

    // The next run looks at every page and closes.
    Global().Initialise(TestServices(Home_->path(), Prompt_));
    auto window = std::make_unique<TfrmMain>(Global(), DefaultMainPages(Global()),
                                             std::vector<std::string>{});
    window->Start();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    for (int tab : {TfrmMain::tabBudgets, TfrmMain::tabReports, TfrmMain::tabCalculators,
                    TfrmMain::tabTransactions})
      window->tcMain->setCurrentIndex(tab);
    window->close();
    window->ShutDown();
    window.reset();
    QCOMPARE(ReadBytes(DataFile()), bytes);
    QCOMPARE(QFileInfo(DataFile()).lastModified(), written);
  }

  void cleanup() {
    static_cast<TApplication*>(qApp)->SetErrorHandler({});
    Home_.reset();
  }
};

TF_GUI_TEST_MAIN(StartupTest)
#include "StartupTest.moc"

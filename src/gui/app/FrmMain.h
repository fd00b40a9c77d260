// The main window: runs start-up (opening the data file, or the failure
// screen when the password was not given) and shutdown, hosts the four
// workspace pages behind the tab strip and carries the "Setup Password" and
// settings buttons.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "gui/app/MainPages.h"

class QLabel;
class QPushButton;
class QTabBar;
class QTimer;
class QVBoxLayout;

namespace tf {

class TGlobal;
class TSaveScheduler;

// The questions start-up may have to ask; tests answer them from a script.
struct TStartDialogs {
  // Another program holds the data file (`message` says which): true opens
  // it read-only, false quits. Empty: a message box asks.
  std::function<bool(QWidget* parent, const QString& message)> OpenReadOnly;
  // The data file cannot be read (`message` says why); a backup of `day`
  // reads. True opens the backup. Empty: no backup is offered and the error
  // goes on to the error window.
  std::function<bool(const std::string& message, const std::string& day)> OpenBackup;
};

class TfrmMain : public QWidget {
  Q_OBJECT

 public:
  // The class name under which the placement is stored ("TfrmMain_T", ...).
  static constexpr const char* kPlacementName = "TfrmMain";
  enum TTab : int { tabTransactions = 0, tabBudgets, tabReports, tabCalculators };

  // Start-up up to the opening of the data file: the command line (the
  // arguments after the program's name), the caption and the four pages.
  TfrmMain(TGlobal& global, const TMainPages& pages, const std::vector<std::string>& arguments,
           TStartDialogs dialogs = {}, QWidget* parent = nullptr);
  ~TfrmMain() override;

  // Takes the data file's lock (or, when another program holds it, opens
  // it read-only or quits, as the user chooses), opens the data file and
  // shows the first page, or the failure screen after a wrong or cancelled
  // password. A damaged file is offered its newest backup that reads; without
  // one (or declined) the window shows the tab strip and no page, and a
  // damaged file raises.
  void Start();
  // The user chose to quit rather than open a file another program holds.
  bool QuitRequested() const { return QuitRequested_; }
  TSaveScheduler& Saver() const { return *Saver_; }
  // Purges deleted rows and saves (nothing is written when the file was not
  // opened). Runs once; the destructor runs it when nobody did.
  void ShutDown();

  bool InFailureState() const { return Failed_; }
  QWidget* Page(int tab) const { return Pages_.at(static_cast<std::size_t>(tab)).Widget; }

  QWidget* pnlTabStrip;
  QTabBar* tcMain;
  QPushButton* btnPassword;
  QPushButton* btnMoreSettings;
  QWidget* pnlClient;
  QLabel* lblFailureMessage;
  QTimer* TimerDebug;

 signals:
  // The settings button: the dialog is shown by whoever listens.
  void settingsRequested();

 public slots:
  void tcMainChange(int index);
  void btnPasswordClick();
  void btnMoreSettingsClick();
  void TimerDebugTimer();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildTabStrip();
  void AddPageShortcuts();
  void BuildClientArea();
  void CreatePages(const TMainPages& pages);
  void AddPage(TTab tab, const TPageFactory& factory, const char* trace);
  void ShowFailure();
  void CentreOnScreen();
  bool TakeLock();
  enum class TOpening { Opened, WrongPassword, Declined };
  // A damaged file without a backup that reads raises.
  TOpening OpenDataOrBackup();
  void UpdateCaption();

  TGlobal& Global_;
  QVBoxLayout* Layout_;
  std::array<TWorkspacePage, 4> Pages_;
  TStartDialogs Dialogs_;
  TSaveScheduler* Saver_;
  bool Failed_ = false;
  bool ShutDownDone_ = false;
  bool QuitRequested_ = false;
};

}  // namespace tf

// The application context: the one object that owns the data of the running
// program (the accounts tree, the category list, the month index, the trace
// log) and knows where the data file is, how to open, save and back it up.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/AppPreferences.h"
#include "app/GlobalServices.h"
#include "base/CategoryList.h"
#include "base/NumberFormat.h"
#include "base/TraceLog.h"
#include "import/CSVParser.h"
#include "model/Account.h"
#include "model/MonthIndex.h"
#include "store/DateTime.h"

namespace tf {

class TDataFileLock;

// What the window's save scheduler hears from the context.
enum class TSaveEvent { ChangeNoted, Saved, SaveFailed };

class TGlobal {
 public:
  TGlobal();
  ~TGlobal();
  TGlobal(const TGlobal&) = delete;
  TGlobal& operator=(const TGlobal&) = delete;

  // Puts the context into the state in which the program starts, now with
  // these services: the data folder is computed anew, the data is emptied.
  // The desktop program calls it once before its main window exists; tests
  // call it (or Reset) before each case.
  void Initialise(TGlobalServices services);
  // Initialise without any services: preferences in memory, no documents
  // folder (so nothing is created on disk), every password prompt cancelled.
  void Reset() { Initialise(TGlobalServices{}); }

  TAccount Accounts;         // the root of the data file
  TCategoryList Categories;  // sorted, duplicates ignored
  TMonthIndex MonthIndex;

  // --- the data file
  // The folder of the data file ending with "/", computed on the first call.
  const std::string& GetDataFolder();
  const std::string& DataFilePath() const { return DataFilePath_; }
  void SetDataFilePath(const std::string& path);
  // The data file was opened (or did not exist yet); nothing is ever
  // written to it while this is false.
  bool FileLoaded() const { return FileLoaded_; }

  // Reads the data file (an empty path means DataFilePath) after the password
  // check. False when the password was not given; a missing file is a new,
  // empty data set. Errors of reading leave this function.
  bool LoadFile(const std::string& path = "");
  // Writes the whole data file; nothing while FileLoaded is false. A failure
  // raises EFileError and leaves the old file as it was. The data file itself
  // is written only under its lock (taken here if need be: EFileLocked when
  // another process holds it), after the day's backup was kept.
  void SaveFile(const std::string& path = "");

  // --- one writer at a time
  // Takes the data file's lock in the name of `program` and removes what
  // killed saves left behind. EFileLocked names the process that holds it.
  void LockDataFile(const std::string& program);
  bool HoldsLock() const { return Lock_ != nullptr; }
  void ReleaseLock();
  // The data file was opened without its lock: every save of it is refused,
  // naming `holder`, and shutdown writes nothing.
  void SetReadOnly(const std::string& holder) { ReadOnlyHolder_ = holder; }
  bool ReadOnly() const { return !ReadOnlyHolder_.empty(); }

  // --- changes held in memory
  // A change that has not reached the file yet; the window saves it soon.
  void NoteChange();
  // Changes since the last successful save of the data file.
  bool HasUnsavedChanges() const { return Unsaved_; }
  // The data file on disk holds what the tree would write: it was read or
  // saved, and nothing in the record store changed since. A save of the data
  // file then writes nothing.
  bool FileIsCurrent() const;
  void SetSaveListener(std::function<void(TSaveEvent)> listener) {
    SaveListener_ = std::move(listener);
  }
  // Added to the message of a failed save of the data file: what becomes of
  // the data (the window keeps it and tries again; the command line does not).
  void SetSaveFailureNote(const std::string& note) { SaveFailureNote_ = note; }
  // The current local date and time, from the services' clock.
  TDateTime CurrentTime() const;
  // Removes every row marked Deleted: accounts, transactions, budget lines
  // and recognition patterns.
  void PurgeDeletedRows();

  // --- start-up and shutdown, in the order the main window calls them
  // The arguments after the program's name: exactly two, the second an
  // existing file, make that file the data file. True when it was taken.
  bool TakeCommandLine(const std::vector<std::string>& args);
  // LoadFile of DataFilePath; on success the file counts as loaded and the
  // balances are brought up to date. False after a wrong password.
  bool OpenDataFile();
  // In place of a data file that cannot be read: opens the backup (after its
  // password check) as the data; unless read-only, the damaged file is kept
  // beside it as "<name>-damaged-YYYY-MM-DD-HHMMSS<ext>" and the backup's
  // data is saved as the data file. False after a wrong password.
  bool OpenFromBackup(const std::string& backupPath);
  // The failure text shown after a wrong password, ending with DataFilePath.
  std::string LoadFailureMessage() const;
  // The last steps after the event loop: purge, then save.
  void ShutDown();
  // For the very end of the process, after the last save and output: the
  // data tree is handed to the system, which takes the memory back at once,
  // where freeing it row by row cost seconds. Builds with sanitizers free it
  // as usual, so leak checks see every row go. Nothing is saved afterwards.
  void LeaveDataToExit();

  // --- password
  // The prompt's entry trimmed after "Ok"; no value after "Cancel".
  std::optional<std::string> PromptPassword(const std::string& initial);
  // Asks with the current password in the box; "Ok" stores the trimmed entry
  // (an emptied box removes the password), "Cancel" keeps the password.
  // True when it was stored. The change reaches the file with the next save.
  bool ChangePassword();
  std::string Password() const;

  // --- backup
  // Saves the regular file (unless it is open read-only), then writes the
  // backup for the chosen name from memory: kBackupDataFile a copy under
  // that name with the extension ".tfold", kBackupOfx one statement per
  // account into its folder. The paths written.
  std::vector<std::string> CreateBackup(const std::string& chosenPath, int fileType);
  // The same backup of the file as it was opened, without writing the data
  // file: the copy holds its bytes exactly.
  std::vector<std::string> CopyOpenedFile(const std::string& chosenPath, int fileType);
  static std::string ProposedBackupName(int fileType, TDateTime today = Today());

  // --- trace log
  void Trace(const std::string& message) { TraceLog_.Add(message); }
  // "ERROR - " and the message, as every unhandled error is traced.
  void TraceError(const std::string& message) { Trace("ERROR - " + message); }
  const TTraceLog& TraceLog() const { return TraceLog_; }

  // --- month index
  void BuildMonthIndex(bool onlyIfEmpty) { MonthIndex.Build(Accounts, onlyIfEmpty); }
  void ClearMonthIndex() { MonthIndex.Clear(); }
  std::pair<int, int> FindMonthRange(const std::string& accountId, TDateTime start, TDateTime end) {
    BuildMonthIndex(true);
    return MonthIndex.FindMonthRange(accountId, start, end);
  }

  // --- preferences and formats
  TPreferenceStore& Preferences() { return *Services_.Preferences; }
  std::string ReadSetting(const std::string& name) { return Preferences().ReadSetting(name); }
  void WriteSetting(const std::string& name, const std::string& value) {
    Preferences().WriteSetting(name, value);
  }
  TNumberFormat& NumberFormat() { return *NumberFormat_; }
  void LoadNumberFormat() { NumberFormat_->LoadNumberFormat(); }
  void SaveNumberFormat() { NumberFormat_->SaveNumberFormat(); }
  bool NumberFormatLoaded() const { return NumberFormat_->NumberFormatLoaded(); }
  std::string GetThousandSeparator() { return NumberFormat_->GetThousandSeparator(); }
  std::string GetDecimalSeparator() { return NumberFormat_->GetDecimalSeparator(); }
  void SetThousandSeparator(const std::string& text) { NumberFormat_->SetThousandSeparator(text); }
  void SetDecimalSeparator(const std::string& text) { NumberFormat_->SetDecimalSeparator(text); }
  std::string FormatAmount(double amount) { return NumberFormat_->FormatAmount(amount); }
  std::string FormatAmount(TCurrency amount) { return NumberFormat_->FormatAmount(amount); }

  int GetImportFileIndex() const { return AppPreferences_->GetImportFileIndex(); }
  void SetImportFileIndex(int index) { AppPreferences_->SetImportFileIndex(index); }
  bool ShowHelp() const { return AppPreferences_->ShowHelp(); }
  void SetShowHelp(bool show) { AppPreferences_->SetShowHelp(show); }

  void LoadDefaultCategories() { Categories.LoadDefaultCategories(); }
  // A new parser for statement formats 1 to 7; nullptr for any other number.
  static std::unique_ptr<TCSVParser> CreateStatementParser(int format);

 private:
  void ReadIntoAccounts(const std::string& path);
  void ClearAccounts();
  void SaveDataFile();
  // The tree now equals the file at `path` (read from it or written to it).
  void MarkCurrent(const std::string& path);
  void KeepTodaysBackup();
  void Notify(TSaveEvent event) const;
  std::vector<std::string> WriteBackup(const std::string& chosenPath, int fileType, bool exact);

  TGlobalServices Services_;
  std::unique_ptr<TNumberFormat> NumberFormat_;
  std::unique_ptr<TAppPreferences> AppPreferences_;
  std::string DataFolder_;
  std::string DataFilePath_;
  TTraceLog TraceLog_;
  bool FileLoaded_ = false;
  std::unique_ptr<TDataFileLock> Lock_;
  std::string ProgramName_ = "Tallyfold";
  std::string ReadOnlyHolder_;
  bool Unsaved_ = false;
  std::string CurrentPath_;      // the file the tree equals, empty when none
  std::uint64_t CurrentAt_ = 0;  // the content count at which it did
  std::function<void(TSaveEvent)> SaveListener_;
  std::string SaveFailureNote_;
};

// The process's one context.
TGlobal& Global();

}  // namespace tf

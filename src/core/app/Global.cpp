#include "app/Global.h"

#include <filesystem>
#include <stdexcept>

#include "app/Backup.h"
#include "app/DailyBackup.h"
#include "app/DataFolder.h"
#include "app/LoadFailure.h"
#include "base/MemoryPreferenceStore.h"
#include "base/Text.h"
#include "import/StatementFormats.h"
#include "model/Budget.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"
#include "store/DataFile.h"
#include "store/FileLock.h"
#include "store/StoreChanges.h"
#include "store/StoreError.h"
#include "store/ValueStream.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TF_HAS_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef TF_HAS_ADDRESS_SANITIZER
#define TF_HAS_ADDRESS_SANITIZER 0
#endif

namespace tf {
namespace {

namespace fs = std::filesystem;

// Only a file that is certainly absent starts a new data set: when the
// system cannot tell, reading it reports the problem instead of a later save
// replacing a file that was there.
bool CertainlyAbsent(const std::string& path) {
  std::error_code error;
  return fs::status(path, error).type() == fs::file_type::not_found;
}

void PurgeMarkedRows(TBone* table) {
  if (table == nullptr) return;
  for (int i = table->RowCount() - 1; i >= 0; --i)
    if (table->RowAt(i)->Deleted) table->Rows().Delete(i);
}

std::string ListFieldText(const TAccount& root, int index) {
  const TBoneField* field = root.ListFieldAt(index);
  return field == nullptr ? std::string() : field->AsString();
}

}  // namespace

TGlobal::TGlobal() : Accounts(nullptr, TBoneKind::List), Categories(true) {
  // The model keeps these two up to date and finds them through its root.
  Accounts.AttachLists(&Categories, &MonthIndex);
  Reset();
}

TGlobal::~TGlobal() = default;

void TGlobal::Initialise(TGlobalServices services) {
  Services_ = std::move(services);
  if (!Services_.Preferences) Services_.Preferences = std::make_unique<TMemoryPreferenceStore>();
  NumberFormat_ = std::make_unique<TNumberFormat>(*Services_.Preferences);
  AppPreferences_ = std::make_unique<TAppPreferences>(*Services_.Preferences);
  DataFolder_.clear();
  DataFilePath_ = GetDataFolder() + kDataFileName;
  ClearAccounts();
  Categories.Clear();
  TraceLog_.Clear();
  MonthIndex.Clear();
  FileLoaded_ = false;
  ReleaseLock();
  ProgramName_ = "Tallyfold";
  ReadOnlyHolder_.clear();
  Unsaved_ = false;
  CurrentPath_.clear();
  SaveListener_ = nullptr;
  SaveFailureNote_.clear();
}

void TGlobal::SetDataFilePath(const std::string& path) {
  if (path == DataFilePath_) return;
  // The lock belongs to the file it was taken for.
  ReleaseLock();
  DataFilePath_ = path;
}

const std::string& TGlobal::GetDataFolder() {
  if (DataFolder_.empty()) DataFolder_ = ResolveDataFolder(Services_);
  return DataFolder_;
}

bool TGlobal::LoadFile(const std::string& path) {
  Trace("global - Load File - 1");
  const std::string file = path.empty() ? DataFilePath_ : path;
  if (CertainlyAbsent(file)) {
    Trace("global - Load File - 2b");
    if (Categories.Empty()) Categories.LoadDefaultCategories();
    return true;
  }
  Trace("global - Load File - 2a");
  // The file is read once: the password comes from the tree that is kept
  // when it opens, and a refused tree is emptied so that nothing of it can
  // be saved or shown.
  ReadIntoAccounts(file);
  const std::string stored(Trimmed(Password()));
  Trace("global - Load File - 3");
  if (!stored.empty()) {
    const std::optional<std::string> entry = PromptPassword("");
    if (!entry || *entry != stored) {
      ClearAccounts();
      return false;
    }
  }
  Trace("global - Load File - 4");
  Categories.Clear();
  Categories.SetCommaText(ListFieldText(Accounts, TAccount::lfCategories));
  if (Categories.Empty()) Categories.LoadDefaultCategories();
  Trace("global - Load File - 5");
  return true;
}

void TGlobal::ReadIntoAccounts(const std::string& path) {
  try {
    Accounts.LoadFromFile(path, true);
  } catch (...) {
    // A half-read tree must not show up in the pages as if it were the data.
    ClearAccounts();
    throw;
  }
}

void TGlobal::ClearAccounts() {
  // Reading an empty root's record back gives every field, flag and child
  // table the value of a new root.
  const TAccount empty(nullptr, TBoneKind::List);
  std::string record;
  empty.SaveToStream(record);
  TMemorySource source(record);
  Accounts.LoadFromStream(source);
  Accounts.Flag3 = false;
}

void TGlobal::SaveFile(const std::string& path) {
  if (!FileLoaded_) return;
  Accounts.ListFieldAt(TAccount::lfCategories)->SetValue(TVariant::String(Categories.CommaText()));
  if (!path.empty() && path != DataFilePath_) {
    Accounts.SaveToFile(path, true);
    return;
  }
  if (FileIsCurrent()) {
    // Rewriting the same content would cost the user seconds and the file its time.
    Unsaved_ = false;
    Notify(TSaveEvent::Saved);
    return;
  }
  try {
    SaveDataFile();
  } catch (const EFileLocked&) {
    Unsaved_ = true;
    Notify(TSaveEvent::SaveFailed);
    throw;
  } catch (const EStoreError& error) {
    Unsaved_ = true;
    Notify(TSaveEvent::SaveFailed);
    if (SaveFailureNote_.empty()) throw;
    throw EFileError(std::string(error.what()) + " " + SaveFailureNote_);
  }
  Unsaved_ = false;
  Notify(TSaveEvent::Saved);
}

void TGlobal::SaveDataFile() {
  if (ReadOnly())
    throw EFileError("Cannot create file \"" + DataFilePath_ +
                     "\". It was opened read-only while " + ReadOnlyHolder_ + " has it open.");
  if (!Lock_) LockDataFile(ProgramName_);
  RemoveStaleTemporaries(DataFilePath_);
  KeepTodaysBackup();
  Accounts.SaveToFile(DataFilePath_, true);
  MarkCurrent(DataFilePath_);
}

void TGlobal::MarkCurrent(const std::string& path) {
  CurrentPath_ = path;
  CurrentAt_ = ContentChangeCount();
}

bool TGlobal::FileIsCurrent() const {
  // A change noted by a window counts even if the store did not see it.
  return !Unsaved_ && !CurrentPath_.empty() && CurrentPath_ == DataFilePath_ &&
         CurrentAt_ == ContentChangeCount();
}

void TGlobal::KeepTodaysBackup() {
  try {
    KeepDailyBackup(DataFilePath_, DateOf(CurrentTime()));
  } catch (const std::exception& error) {
    // A missing backup must not cost the user the change itself; the trace
    // log keeps the reason.
    Trace(std::string("global - Daily Backup - ") + error.what());
  }
}

TDateTime TGlobal::CurrentTime() const {
  return Services_.Clock ? Services_.Clock() : Now();
}

void TGlobal::Notify(TSaveEvent event) const {
  if (SaveListener_) SaveListener_(event);
}

void TGlobal::NoteChange() {
  Unsaved_ = true;
  Notify(TSaveEvent::ChangeNoted);
}

void TGlobal::LockDataFile(const std::string& program) {
  ProgramName_ = program;
  if (!Lock_) Lock_ = std::make_unique<TDataFileLock>(DataFilePath_, program);
  RemoveStaleTemporaries(DataFilePath_);
}

void TGlobal::ReleaseLock() {
  Lock_.reset();
}

void TGlobal::PurgeDeletedRows() {
  for (int i = Accounts.RowCount() - 1; i >= 0; --i) {
    TAccount* account = Accounts.AccountAt(i);
    if (account == nullptr || account->Deleted)
      Accounts.Rows().Delete(i);
    else
      PurgeMarkedRows(account->TransactionsTable());
  }
  PurgeMarkedRows(Accounts.BudgetTable());
  PurgeMarkedRows(Accounts.PatternTable());
}

bool TGlobal::TakeCommandLine(const std::vector<std::string>& args) {
  if (args.size() != 2) return false;
  std::error_code error;
  if (!fs::is_regular_file(args[1], error)) return false;
  SetDataFilePath(args[1]);
  return true;
}

bool TGlobal::OpenDataFile() {
  if (!LoadFile("")) return false;
  FileLoaded_ = true;
  if (!CertainlyAbsent(DataFilePath_)) MarkCurrent(DataFilePath_);
  Accounts.RecalculateBalances();
  return true;
}

bool TGlobal::OpenFromBackup(const std::string& backupPath) {
  if (!LoadFile(backupPath)) return false;
  FileLoaded_ = true;
  Accounts.RecalculateBalances();
  if (ReadOnly()) return true;
  const std::string damaged = KeepDamagedFile(DataFilePath_, CurrentTime());
  Trace("global - Damaged file kept as " + damaged);
  SaveFile("");
  return true;
}

std::string TGlobal::LoadFailureMessage() const {
  return tf::LoadFailureMessage(DataFilePath_);
}

void TGlobal::ShutDown() {
  PurgeDeletedRows();
  // Opened read-only: the changes were refused as they were made.
  if (!ReadOnly()) SaveFile("");
  ReleaseLock();
}

void TGlobal::LeaveDataToExit() {
  // Whatever still runs must not save what is about to be gone.
  FileLoaded_ = false;
  ReleaseLock();
#if !defined(__SANITIZE_ADDRESS__) && !TF_HAS_ADDRESS_SANITIZER
  // Held by a static so that the rows stay reachable: a leak checker run on
  // such a build sees no lost memory either.
  static std::vector<std::unique_ptr<TBone>>* left = nullptr;
  if (left == nullptr) left = new std::vector<std::unique_ptr<TBone>>;
  for (auto& row : Accounts.Rows().Items()) left->push_back(std::move(row));
  Accounts.Rows().Clear();
#endif
}

std::optional<std::string> TGlobal::PromptPassword(const std::string& initial) {
  if (!Services_.PasswordPrompt) return std::nullopt;
  const std::optional<std::string> entry = Services_.PasswordPrompt(initial);
  if (!entry) return std::nullopt;
  return std::string(Trimmed(*entry));
}

bool TGlobal::ChangePassword() {
  const std::optional<std::string> entry = PromptPassword(Password());
  if (!entry) return false;
  Accounts.ListFieldAt(TAccount::lfPassword)->SetValue(TVariant::String(*entry));
  return true;
}

std::string TGlobal::Password() const {
  return ListFieldText(Accounts, TAccount::lfPassword);
}

std::vector<std::string> TGlobal::CreateBackup(const std::string& chosenPath, int fileType) {
  if (FileLoaded_ && !ReadOnly()) SaveFile("");
  return WriteBackup(chosenPath, fileType, false);
}

std::vector<std::string> TGlobal::CopyOpenedFile(const std::string& chosenPath, int fileType) {
  return WriteBackup(chosenPath, fileType, true);
}

std::vector<std::string> TGlobal::WriteBackup(const std::string& chosenPath, int fileType,
                                              bool exact) {
  // Saving does nothing while the data file is not open; a backup that
  // silently wrote nothing would look like one that worked.
  if (!FileLoaded_)
    throw EFileError("No backup was made: the data file \"" + DataFilePath_ +
                     "\" was not opened, so there is nothing to copy.");
  if (fileType != kBackupDataFile && fileType != kBackupOfx)
    throw std::invalid_argument("Unknown backup file type " + std::to_string(fileType));
  if (fileType == kBackupOfx) return Accounts.ExportOfx(BackupOfxFolder(chosenPath));
  const std::string copy = BackupCopyPath(chosenPath);
  if (exact)
    WriteFileAtomically(copy, ReadWholeFile(DataFilePath_));
  else
    SaveFile(copy);
  return {copy};
}

std::string TGlobal::ProposedBackupName(int fileType, TDateTime today) {
  return tf::ProposedBackupName(fileType, today);
}

std::unique_ptr<TCSVParser> TGlobal::CreateStatementParser(int format) {
  return tf::CreateStatementParser(format);
}

TGlobal& Global() {
  static TGlobal global;
  return global;
}

}  // namespace tf

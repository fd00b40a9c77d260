// The backups the program keeps by itself: the first save of each day keeps
// the data file as it was in the folder "backups" beside it, as
// "backups/data-YYYY-MM-DD.tfold" for "data.tfold"; the newest 14 stay.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "store/DateTime.h"

namespace tf {

inline constexpr int kDailyBackupsKept = 14;

struct TDailyBackup {
  std::string Path;
  TDateTime Day = 0;
};

// The folder "backups" beside the file the data path names (through its links).
std::string DailyBackupFolder(const std::string& dataPath);
// The day's backup: the data file's name without extension, "-YYYY-MM-DD",
// the extension.
std::string DailyBackupPath(const std::string& dataPath, TDateTime day);

// Keeps the data file as it is now as the backup of `today` (a hard link
// where the file system allows, a copy otherwise), unless the day has one or
// there is no data file; then removes all but the newest `kept` backups.
// True when a backup was made. Errors leave this function as EFileError.
bool KeepDailyBackup(const std::string& dataPath, TDateTime today, int kept = kDailyBackupsKept);

// The data file's daily backups, newest first.
std::vector<TDailyBackup> ListDailyBackups(const std::string& dataPath);

// The newest backup whose content reads as a data file; none when no backup does.
std::optional<TDailyBackup> NewestReadableBackup(const std::string& dataPath);

// Moves the data file that cannot be read aside, to
// "<name>-damaged-YYYY-MM-DD-HHMMSS<ext>" beside it, so the data put in its
// place does not destroy it. The new path; EFileError when it cannot be moved.
std::string KeepDamagedFile(const std::string& dataPath, TDateTime now);

// "Day Month Year" of a backup as the program shows dates ("10 Dec 2026").
std::string BackupDayText(const TDailyBackup& backup);

}  // namespace tf

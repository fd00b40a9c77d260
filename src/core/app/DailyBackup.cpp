#include "app/DailyBackup.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "model/Account.h"
#include "store/DataFile.h"
#include "store/StoreError.h"

namespace tf {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kDateLength = 10;  // YYYY-MM-DD

std::string DateText(TDateTime day) {
  int year = 0, month = 0, dayOfMonth = 0;
  DecodeDate(day, year, month, dayOfMonth);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, dayOfMonth);
  return text;
}

std::optional<TDateTime> DayOfText(const std::string& text) {
  int year = 0, month = 0, day = 0;
  char dash1 = 0, dash2 = 0;
  if (text.size() != kDateLength ||
      std::sscanf(text.c_str(), "%4d%c%2d%c%2d", &year, &dash1, &month, &dash2, &day) != 5 ||
      dash1 != '-' || dash2 != '-')
    return std::nullopt;
  TDateTime date = 0;
  if (!TryEncodeDate(year, month, day, date)) return std::nullopt;
  return date;
}

// The day a file name of the backups folder stands for, when it is one of
// this data file's backups.
std::optional<TDateTime> BackupDay(const fs::path& dataFile, const std::string& name) {
  const std::string stem = dataFile.stem().string() + "-";
  const std::string extension = dataFile.extension().string();
  if (name.size() != stem.size() + kDateLength + extension.size()) return std::nullopt;
  if (name.compare(0, stem.size(), stem) != 0) return std::nullopt;
  if (name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
    return std::nullopt;
  return DayOfText(name.substr(stem.size(), kDateLength));
}

void LinkOrCopy(const std::string& from, const std::string& to) {
  if (::link(from.c_str(), to.c_str()) == 0) return;
  if (errno == EEXIST) return;
  WriteFileAtomically(to, ReadWholeFile(from));
}

void RemoveOldest(const std::string& dataPath, int kept) {
  const std::vector<TDailyBackup> backups = ListDailyBackups(dataPath);
  for (std::size_t i = static_cast<std::size_t>(std::max(kept, 0)); i < backups.size(); ++i) {
    std::error_code error;
    fs::remove(backups[i].Path, error);
  }
}

}  // namespace

std::string DailyBackupFolder(const std::string& dataPath) {
  return (fs::path(ResolveSavePath(dataPath)).parent_path() / "backups").string();
}

std::string DailyBackupPath(const std::string& dataPath, TDateTime day) {
  const fs::path file = fs::path(ResolveSavePath(dataPath)).filename();
  return (fs::path(DailyBackupFolder(dataPath)) /
          (file.stem().string() + "-" + DateText(day) + file.extension().string()))
      .string();
}

bool KeepDailyBackup(const std::string& dataPath, TDateTime today, int kept) {
  const std::string file = ResolveSavePath(dataPath);
  std::error_code error;
  if (!fs::is_regular_file(file, error)) return false;
  const std::string backup = DailyBackupPath(dataPath, today);
  if (fs::exists(backup, error)) return false;
  fs::create_directories(DailyBackupFolder(dataPath), error);
  if (error) throw EFileError("Cannot create file \"" + backup + "\". " + error.message());
  LinkOrCopy(file, backup);
  RemoveOldest(dataPath, kept);
  return true;
}

std::vector<TDailyBackup> ListDailyBackups(const std::string& dataPath) {
  const fs::path file = fs::path(ResolveSavePath(dataPath)).filename();
  std::vector<TDailyBackup> backups;
  std::error_code error;
  for (fs::directory_iterator entry(DailyBackupFolder(dataPath), error), end;
       !error && entry != end; entry.increment(error)) {
    const std::optional<TDateTime> day = BackupDay(file, entry->path().filename().string());
    std::error_code kindError;
    if (day && entry->is_regular_file(kindError)) backups.push_back({entry->path().string(), *day});
  }
  std::sort(backups.begin(), backups.end(),
            [](const TDailyBackup& a, const TDailyBackup& b) { return a.Day > b.Day; });
  return backups;
}

std::optional<TDailyBackup> NewestReadableBackup(const std::string& dataPath) {
  for (const TDailyBackup& backup : ListDailyBackups(dataPath)) {
    try {
      TAccount probe(nullptr, TBoneKind::List);
      probe.LoadFromFile(backup.Path, true);
      return backup;
    } catch (const EStoreError&) {
      // A damaged backup: the one before may still read.
    }
  }
  return std::nullopt;
}

std::string KeepDamagedFile(const std::string& dataPath, TDateTime now) {
  const fs::path file = ResolveSavePath(dataPath);
  int hour = 0, minute = 0, second = 0, msec = 0;
  DecodeTime(now, hour, minute, second, msec);
  char time[16];
  std::snprintf(time, sizeof time, "-%02d%02d%02d", hour, minute, second);
  const fs::path kept = file.parent_path() / (file.stem().string() + "-damaged-" + DateText(now) +
                                              time + file.extension().string());
  if (::rename(file.c_str(), kept.c_str()) != 0)
    throw EFileError("Cannot create file \"" + kept.string() + "\". " + std::strerror(errno));
  return kept.string();
}

std::string BackupDayText(const TDailyBackup& backup) {
  return FormatDayMonthYear(backup.Day);
}

}  // namespace tf

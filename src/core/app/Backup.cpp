#include "app/Backup.h"

#include <filesystem>
#include <stdexcept>

namespace tf {
namespace {

constexpr TBackupFileType kTypes[] = {
    {kBackupDataFile, "Tallyfold Data File", "*.tfold"},
    {kBackupOfx, "Open Financial Exchange", "*.ofx"},
};

}  // namespace

std::span<const TBackupFileType> BackupFileTypes() {
  return kTypes;
}

std::string ProposedBackupName(int fileType, TDateTime today) {
  return fileType == kBackupOfx ? "All Accounts Here" : FormatDayMonthYear(today);
}

std::string BackupCopyPath(const std::string& chosenPath) {
  if (chosenPath.empty() || chosenPath.back() == '/')
    throw std::invalid_argument("The backup needs a file name, not the folder \"" + chosenPath +
                                "\".");
  return std::filesystem::path(chosenPath).replace_extension(".tfold").string();
}

std::string BackupOfxFolder(const std::string& chosenPath) {
  const std::string folder = std::filesystem::path(chosenPath).parent_path().string();
  if (folder.empty() || folder.back() == '/') return folder;
  return folder + "/";
}

}  // namespace tf

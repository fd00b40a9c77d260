#include "app/DataFolder.h"

#include <exception>
#include <filesystem>

namespace tf {

std::string WithTrailingSeparator(const std::string& folder) {
  if (folder.empty() || folder.back() == '/') return folder;
  return folder + "/";
}

std::string ProgramFolderOf(const TGlobalServices& services) {
  if (!services.ProgramFolder) return "";
  try {
    return WithTrailingSeparator(services.ProgramFolder());
  } catch (const std::exception&) {
    return "";  // unknown: the working directory takes its place
  }
}

std::string ResolveDataFolder(const TGlobalServices& services) {
  try {
    const std::optional<std::string> documents =
        services.DocumentsFolder ? services.DocumentsFolder() : std::nullopt;
    if (!documents) return "";
    const std::string folder = documents->empty()
                                   ? ProgramFolderOf(services)
                                   : WithTrailingSeparator(*documents) + kDataFolderName + "/";
    if (!folder.empty()) std::filesystem::create_directories(folder);
    return folder;
  } catch (const std::exception&) {
    return ProgramFolderOf(services);
  }
}

}  // namespace tf

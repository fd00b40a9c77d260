// The backup's file types and names: what the save dialog proposes for each
// type and where the copy or the OFX statements go for the name chosen.
// Writing the backup itself is TGlobal::CreateBackup.
#pragma once

#include <span>
#include <string>

#include "store/DateTime.h"

namespace tf {

enum : int { kBackupDataFile = 1, kBackupOfx = 2 };

struct TBackupFileType {
  int Number;           // the save dialog's type index, from 1
  const char* Name;     // the dialog's text for the type
  const char* Pattern;  // the file pattern, such as "*.tfold"
};

// "Tallyfold Data File" (*.tfold) and "Open Financial Exchange" (*.ofx).
std::span<const TBackupFileType> BackupFileTypes();

// Today as "dd MMM yyyy" for the data file, "All Accounts Here" for OFX.
std::string ProposedBackupName(int fileType, TDateTime today);

// The chosen name with its extension replaced by ".tfold" (added when it has none).
std::string BackupCopyPath(const std::string& chosenPath);

// The folder of the chosen name ending with "/", where the OFX statements go;
// empty text (the working directory) for a bare file name.
std::string BackupOfxFolder(const std::string& chosenPath);

}  // namespace tf

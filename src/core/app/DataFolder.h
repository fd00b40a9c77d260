// Where the data file lives: the folder "Tallyfold" inside the user's
// documents folder, created on first use, with the program's folder and the
// working directory as the fallbacks when the system cannot say.
#pragma once

#include <string>

#include "app/GlobalServices.h"

namespace tf {

inline constexpr const char* kDataFolderName = "Tallyfold";
inline constexpr const char* kDataFileName = "data.tfold";

// The text with one "/" at its end; empty text stays empty.
std::string WithTrailingSeparator(const std::string& folder);

// The program's folder ending with "/", or empty text when it is unknown.
std::string ProgramFolderOf(const TGlobalServices& services);

// The data folder ending with "/", created with its missing parents; empty
// text when the documents folder could not be asked for (nothing is created
// then). Never raises: any failure falls back to the program's folder.
std::string ResolveDataFolder(const TGlobalServices& services);

}  // namespace tf

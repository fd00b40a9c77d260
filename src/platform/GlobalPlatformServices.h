// The application context's services on QtCore for the desktop program: the
// QSettings preferences, the documents folder and the program's folder. The
// password prompt is a window and is added by the desktop program itself.
#pragma once

#include <string>

#include "app/GlobalServices.h"

namespace tf {

// The folder of the program file; empty text before a QCoreApplication exists.
std::string ProgramFolder();

// Preferences, documents folder (the home folder when the system names no
// documents folder) and program folder; no password prompt.
TGlobalServices GlobalPlatformServices();

}  // namespace tf

// What the desktop program gives the application context: the preferences
// in QSettings, the user's documents folder, the program's folder and the
// password prompt window.
#pragma once

#include "app/GlobalServices.h"

namespace tf {

TGlobalServices DesktopGlobalServices();

}  // namespace tf

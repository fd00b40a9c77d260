// Storing and restoring a window's position and size in the preferences,
// kept on a screen that is there now (screens come and go between runs). The
// values are the outer rectangle, frame included.
#pragma once

#include <string>

class QWidget;

namespace tf {

class TPreferenceStore;

// Nothing is stored while the window is minimised or maximised.
void SaveWindowPlacement(const QWidget& window, TPreferenceStore& store,
                         const std::string& className);
// Takes the stored values that fit the work area of the screen they point
// at (or of the window's own screen) and moves and sizes the window in one
// step; nothing happens while it is minimised or maximised.
void RestoreWindowPlacement(QWidget& window, TPreferenceStore& store, const std::string& className);

}  // namespace tf

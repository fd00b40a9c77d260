// Where the main window was left: its top, left, width and height kept in
// the preferences under the window's class name ("TfrmMain_T", ...), and the
// correction that keeps a restored window on the visible desktop.
#pragma once

#include <string>

#include "base/PreferenceStore.h"

namespace tf {

struct TWindowRect {
  int Top = 0;
  int Left = 0;
  int Width = 0;
  int Height = 0;

  friend bool operator==(const TWindowRect&, const TWindowRect&) = default;
};

// The desktop without its panels, in screen coordinates.
struct TWorkArea {
  int Top = 0;
  int Left = 0;
  int Width = 0;
  int Height = 0;
};

// The four stored values; a missing or non-numeric one is the current value.
TWindowRect ReadWindowPlacement(TPreferenceStore& store, const std::string& className,
                                const TWindowRect& current);
void WriteWindowPlacement(TPreferenceStore& store, const std::string& className,
                          const TWindowRect& placement);

// Each stored value outside the work area (top and height against its height,
// left and width against its width) falls back to the current one. A window
// that would then reach past the right or bottom edge is moved back inside,
// so that it never comes up out of sight.
TWindowRect CorrectPlacement(const TWindowRect& stored, const TWindowRect& current,
                             const TWorkArea& area);

}  // namespace tf

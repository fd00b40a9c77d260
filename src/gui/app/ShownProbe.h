// For the start and close timings in bench/: with TALLYFOLD_QUIT_WHEN_SHOWN
// in the environment the window closes itself as soon as it has painted,
// as if the user had closed it, and stderr gets the wall-clock moments
// ("shown NS", "closing NS", nanoseconds since the epoch) that a script
// compares with the process's own start and end.
#pragma once

class QWidget;

namespace tf {

// Installs the probe on `window` when the environment asks for it.
void CloseWhenShownIfAsked(QWidget& window);

}  // namespace tf

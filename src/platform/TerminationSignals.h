// A session that ends (logout, shutdown, kill) sends the program a
// termination signal; treating it as a close request lets the normal
// shutdown save the data file instead of losing the session's changes.
#pragma once

#include <functional>

namespace tf {

// From now on SIGTERM, SIGINT and SIGHUP call `close` on the event loop's
// thread (never inside the signal handler). A second signal while the
// first is being handled ends the program at once. Call once, after the
// application object exists.
void CloseOnTerminationSignals(std::function<void()> close);

}  // namespace tf

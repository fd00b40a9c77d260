#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdlib>

#if defined(Q_OS_UNIX)
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace tf {

#if defined(Q_OS_UNIX)
namespace {

int SignalPipe[2] = {-1, -1};
volatile std::sig_atomic_t SignalsSeen = 0;

// Only async-signal-safe work here: note the signal and wake the event loop.
void OnSignal(int signal) {
  if (SignalsSeen != 0) _exit(128 + signal);
  SignalsSeen = 1;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(SignalPipe[0], &byte, 1);
}

}  // namespace

void CloseOnTerminationSignals(std::function<void()> close) {
  if (SignalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, SignalPipe) != 0) return;
  auto* notifier =
      new QSocketNotifier(SignalPipe[1], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [close = std::move(close)] {
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(SignalPipe[1], &byte, 1);
    close();
  });
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

#else

// Windows ends a session through window messages, which the close already handles.
void CloseOnTerminationSignals(std::function<void()>) {}

#endif

}  // namespace tf

#include "gui/app/ShownProbe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace tf {
namespace {

void PrintMoment(const char* what) {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  std::fprintf(
      stderr, "%s %lld\n", what,
      static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
  std::fflush(stderr);
}

// Waits for the window's first paint, then closes it from the event loop.
class TShownProbe : public QObject {
 public:
  explicit TShownProbe(QWidget& window) : QObject(&window), Window_(window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &Window_ && event->type() == QEvent::Paint && !Seen_) {
      Seen_ = true;
      // Queued, so the paint that is under way finishes first.
      QTimer::singleShot(0, &Window_, [this] {
        PrintMoment("shown");
        PrintMoment("closing");
        Window_.close();
      });
    }
    return false;
  }

 private:
  QWidget& Window_;
  bool Seen_ = false;
};

}  // namespace

void CloseWhenShownIfAsked(QWidget& window) {
  if (qEnvironmentVariableIsEmpty("TALLYFOLD_QUIT_WHEN_SHOWN")) return;
  window.installEventFilter(new TShownProbe(window));
}

}  // namespace tf

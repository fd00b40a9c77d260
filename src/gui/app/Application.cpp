#include "gui/app/Application.h"

#include <exception>

namespace tf {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::RunGuarded(const std::function<void()>& work) {
  std::string message;
  try {
    work();
    return true;
  } catch (const std::exception& error) {
    message = error.what();
  } catch (...) {
    message = "An unknown error occurred.";
  }
  // Reported outside the handler: the error window runs an event loop.
  HandleError(message);
  return false;
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  RunGuarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}

void TApplication::HandleError(const std::string& message) {
  if (Handler_) {
    Handler_(message);
  } else {
    qCritical("Tallyfold: unhandled error: %s", message.c_str());
  }
}

}  // namespace tf

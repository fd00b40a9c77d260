// The program's QApplication: every exception that escapes an event handler
// ends up in notify, the one place that hands it to the error reporter
// instead of letting it end the program.
#pragma once

#include <QApplication>
#include <functional>
#include <string>

namespace tf {

class TApplication : public QApplication {
  Q_OBJECT

 public:
  using TErrorHandler = std::function<void(const std::string& message)>;

  TApplication(int& argc, char** argv);

  void SetErrorHandler(TErrorHandler handler) { Handler_ = std::move(handler); }

  // Runs the work and hands any exception it raises to the error handler;
  // for the steps outside the event loop (start-up, the final save). False
  // when it raised.
  bool RunGuarded(const std::function<void()>& work);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void HandleError(const std::string& message);

  TErrorHandler Handler_;
};

}  // namespace tf

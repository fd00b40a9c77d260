// What happens to an error that nothing else handled: it is traced as
// "ERROR - " and its message, then shown in the error window with the report
// (file version and trace log); the user goes on or closes the program down.
#pragma once

#include <functional>
#include <string>

#include <QString>

namespace tf {

class TGlobal;

class TErrorReporter {
 public:
  // Shows the report; true when the user chose to close the program down.
  using TPresenter = std::function<bool(const QString& report)>;

  // Without a presenter the error window is shown, mailing through SendMail.
  explicit TErrorReporter(TGlobal& global, TPresenter presenter = {});

  void Report(const std::string& message);

  // "Close down application" was chosen: the event loop is ended (or, before
  // it runs, must not be started); shutdown goes on from purge and save.
  bool CloseDownRequested() const { return CloseDown_; }

  // The file version, then the trace log newest first, one per line.
  static QString ReportText(const TGlobal& global);

 private:
  static bool ShowErrorWindow(const QString& report);

  TGlobal& Global_;
  TPresenter Presenter_;
  bool Showing_ = false;
  bool CloseDown_ = false;
};

}  // namespace tf

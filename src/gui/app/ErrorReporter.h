// What happens to an error that nothing else handled: it is traced as
// "ERROR - " and its message, then shown in the error window with the report
// (file version and trace log); the user goes on or closes the program down.
#pragma once

#include <QString>
#include <functional>
#include <string>

namespace tf {

class TGlobal;

class TErrorReporter {
 public:
  // Shows the report; true when the user chose to close the program down.
  using TPresenter = std::function<bool(const QString& report)>;
  // Shows the report with an offer (its text and its button's caption);
  // the error window's result (kTakeOffer when the user took it).
  using TOfferPresenter =
      std::function<int(const QString& report, const QString& offer, const QString& button)>;

  // Without presenters the error window is shown, mailing through SendMail.
  explicit TErrorReporter(TGlobal& global, TPresenter presenter = {},
                          TOfferPresenter offerPresenter = {});

  void Report(const std::string& message);
  // As Report, with a way out offered; true when the user took it.
  bool ReportWithOffer(const std::string& message, const QString& offer, const QString& button);
  // The offer of a backup for a data file that cannot be read.
  bool OfferBackup(const std::string& message, const std::string& day);

  // "Close down application" was chosen: the event loop is ended (or, before
  // it runs, must not be started); shutdown goes on from purge and save.
  bool CloseDownRequested() const { return CloseDown_; }

  // The file version, then the trace log newest first, one per line.
  static QString ReportText(const TGlobal& global);

 private:
  static bool ShowErrorWindow(const QString& report);
  static int ShowErrorWindowWithOffer(const QString& report, const QString& offer,
                                      const QString& button);

  TGlobal& Global_;
  TPresenter Presenter_;
  TOfferPresenter OfferPresenter_;
  bool Showing_ = false;
  bool CloseDown_ = false;
};

}  // namespace tf

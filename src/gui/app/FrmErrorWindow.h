// The error window "Oops": shown for every error that nothing else handled,
// with the report (file version and trace log) behind "Show Error Details",
// an offer to mail it, and the choice to go on or to close the program down.
#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tf {

class TfrmErrorWindow : public QDialog {
  Q_OBJECT

 public:
  // The dialog's result after "Close down application"; "Ok" accepts.
  static constexpr int kCloseDown = 2;
  // The dialog's result after the offered way out (such as opening a backup).
  static constexpr int kTakeOffer = 3;

  // Hands the report to the user's mail program: address, subject, body.
  using TMailSender = std::function<void(const QString&, const QString&, const QString&)>;

  explicit TfrmErrorWindow(TMailSender sendMail, QWidget* parent = nullptr);

  // Puts the report into the details box and shows the window modally; true
  // when the user chose to close the program down.
  bool ShowErrorReport(const QString& report);
  void SetReport(const QString& report);
  // Shows `text` above the buttons and a button `caption` that closes the
  // window with kTakeOffer.
  void SetOffer(const QString& text, const QString& caption);

  QLabel* imgErrorIcon;
  QLabel* lblError;
  QLabel* lblNice;
  QCheckBox* chkShowError;
  QPlainTextEdit* mmoLog;
  QLabel* lblOffer;
  QPushButton* btnOffer;
  QPushButton* btnClose;
  QPushButton* btnSendReport;
  QPushButton* btnWhatEver;

 private:
  void BuildLayout();
  void btnSendReportClick();

  TMailSender SendMail_;
};

}  // namespace tf

// "More Reports": the modal chooser that the reports page opens. A list on
// the left names the further reports; choosing one makes a fresh window of
// that report and shows it in the panel on the right, one at a time.
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <vector>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace tf {

class TGlobal;
struct TReportWindowDialogs;

// One entry of the chooser's list and how its report window is made; the
// first entry makes none.
struct TMoreReportEntry {
  const char* Caption;
  std::function<QWidget*(TGlobal& global, const TReportWindowDialogs& dialogs, QWidget* parent)>
      Create;
};

// The five entries in their order.
const std::vector<TMoreReportEntry>& MoreReportEntries();

class TfrmMoreReports : public QDialog {
  Q_OBJECT

 public:
  TfrmMoreReports(TGlobal& global, const TReportWindowDialogs& dialogs, QWidget* parent = nullptr);
  ~TfrmMoreReports() override;

  // The report window shown in the panel; none while the panel is empty.
  QWidget* HostedReport() const { return Hosted_; }
  // Shows the report of entry `index` afresh (0 empties the panel).
  void ChooseReport(int index);

  QListWidget* lbxReports;
  QFrame* pnlClient;
  QLabel* lblClientCaption;
  QWidget* pnlBottom;
  QPushButton* btnClose;

 public slots:
  void lbxReportsClick();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void ShowReport(QWidget* report);

  TGlobal& Global_;
  const TReportWindowDialogs& Dialogs_;
  QPointer<QWidget> Hosted_;
  bool Centred_ = false;
  int RowAtPress_ = -1;  // the chosen entry when the mouse went down on the list
};

}  // namespace tf

// "Financial Year Report": the period pickers with their quick choices and
// "Run Report", which writes every transaction of the period as one HTML
// document grouped by category, saves it where the user says and opens it.
#pragma once

#include <QWidget>

#include "reports/ReportPeriods.h"

class QDateEdit;
class QLabel;
class QPushButton;

namespace tf {

class TGlobal;
class TLinkLabel;
struct TReportWindowDialogs;

class TfrmFinancialYearReport : public QWidget {
  Q_OBJECT

 public:
  TfrmFinancialYearReport(TGlobal& global, const TReportWindowDialogs& dialogs,
                          QWidget* parent = nullptr);

  TPeriod Period() const;
  void SetPeriod(const TPeriod& period);
  // The file written by the last run; empty when none was.
  const QString& LastReportFile() const { return LastReportFile_; }

  QWidget* pnlTop;
  QLabel* lblHeading;
  QLabel* lblDateRange;
  QDateEdit* dtpFrom;
  QLabel* lblto;
  QDateEdit* dtpTo;
  TLinkLabel* lblThisYear;
  TLinkLabel* lblLastYear;
  TLinkLabel* lblLast3Months;
  TLinkLabel* lblLast12Months;
  QPushButton* btnRunReport;

 public slots:
  void btnRunReportClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void Connect();
  void ChooseQuickPeriod(TQuickPeriod choice);
  void dtpChange(QDateEdit* picker);
  void dtpCloseUp(QDateEdit* picker);

  TGlobal& Global_;
  const TReportWindowDialogs& Dialogs_;
  QString LastReportFile_;
};

}  // namespace tf

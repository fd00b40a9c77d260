// "Expense Bar Report": the expenses of the ticked accounts in a period as
// one horizontal bar per sub-category and per main category, grouped and
// coloured by main category, with "Save as..." for the chart. The line
// report builds on it.
#pragma once

#include <QWidget>
#include <vector>

#include "reports/ExpenseReport.h"
#include "reports/ReportPeriods.h"

class QDateEdit;
class QLabel;
class QPushButton;
class QScrollArea;

namespace tf {

class TAccountTickList;
class TChartView;
class TGlobal;
class TLinkLabel;
class TTransactions;
struct TReportWindowDialogs;

class TfrmExpenseBarReport : public QWidget {
  Q_OBJECT

 public:
  TfrmExpenseBarReport(TGlobal& global, const TReportWindowDialogs& dialogs,
                       QWidget* parent = nullptr);

  virtual void BuildChart();
  virtual void FillAccountList();
  // False, after a half-second flash of the control at fault, when no
  // account is ticked or the period ends before it starts.
  virtual bool CheckInput();
  virtual void CollectTransactions();

  TPeriod Period() const;
  void SetPeriod(const TPeriod& period);
  const std::vector<const TTransactions*>& ReportExpenses() const { return ReportExpenses_; }
  // The bars of the last run, in drawing order.
  const std::vector<TExpenseBar>& Bars() const { return Bars_; }
  // Writes the chart as a BMP or PNG file; false when it could not.
  bool SaveChartImage(const QString& path, const char* format);

  QLabel* lblHeading;
  QLabel* lblDateRange;
  QDateEdit* dtpFrom;
  QLabel* lblto;
  QDateEdit* dtpTo;
  TLinkLabel* lblThisYear;
  TLinkLabel* lblLastYear;
  TLinkLabel* lblLast3Months;
  TLinkLabel* lblThisMonth;
  TAccountTickList* lbxAccounts;
  QPushButton* btnRunReport;
  QScrollArea* ScrollBox;
  QWidget* pnlChartArea;
  TChartView* chartExpenses;
  QPushButton* btnSaveAs;

 public slots:
  void btnRunReportClick();
  void btnSaveAsClick();

 protected:
  // For descendants: their heading and the pickers' display format.
  TfrmExpenseBarReport(TGlobal& global, const TReportWindowDialogs& dialogs, QWidget* parent,
                       const QString& heading, const QString& dateFormat);
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Sizes the chart inside the chart area; the bar chart keeps its height.
  virtual void LayoutChart();

  TGlobal& Global_;
  const TReportWindowDialogs& Dialogs_;
  std::vector<const TTransactions*> ReportExpenses_;

 private:
  void BuildControls(const QString& heading, const QString& dateFormat);
  void BuildLayout();
  void Connect();
  void ChooseQuickPeriod(TQuickPeriod choice);
  void SetUpBarChart();

  std::vector<TExpenseBar> Bars_;
};

}  // namespace tf

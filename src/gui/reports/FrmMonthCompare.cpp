#include "gui/reports/FrmMonthCompare.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Global.h"
#include "gui/app/FormLook.h"
#include "gui/reports/ChartImageSave.h"
#include "gui/reports/ChartView.h"
#include "gui/reports/ReportControls.h"
#include "gui/reports/ReportWindowDialogs.h"
#include "reports/ReportCharts.h"
#include "reports/ReportPeriods.h"

namespace tf {
namespace {

// Marks and the value axis show sizes: no minus sign before a negative value.
const QString kUnsignedFormat = QStringLiteral("#,##0.##;#,##0.##");

}  // namespace

TfrmMonthCompare::TfrmMonthCompare(TGlobal& global, const TReportWindowDialogs& dialogs,
                                   QWidget* parent)
    : QWidget(parent), Global_(global), Dialogs_(dialogs) {
  setWindowTitle(QStringLiteral("Compare Months"));
  ApplyFormLook(*this);
  BuildControls();
  BuildSeries();
  BuildLayout();
  connect(btnRunReport, &QPushButton::clicked, this, &TfrmMonthCompare::btnRunReportClick);
  connect(btnSaveAs, &QPushButton::clicked, this, &TfrmMonthCompare::btnSaveAsClick);
  SetMonths(MoveMonths(Today(), -1), Today());
  FillAccountList();
}

void TfrmMonthCompare::BuildControls() {
  lblHeading = NewReportHeading(QStringLiteral("Compare Months"), this);
  lblDateRange = new QLabel(QStringLiteral("Month 1"), this);
  dtpFrom = NewReportDatePicker(QStringLiteral("MMM yyyy"), this);
  lblto = new QLabel(QStringLiteral("Month 2"), this);
  dtpTo = NewReportDatePicker(QStringLiteral("MMM yyyy"), this);
  lbxAccounts = new TAccountTickList(this);
  lbxAccounts->setObjectName(QStringLiteral("lbxAccounts"));
  btnRunReport = new QPushButton(QStringLiteral("Run Report"), this);
  btnRunReport->setDefault(true);
  pnlChartArea = new QWidget(this);
  chartCompare = new TChartView(pnlChartArea);
  chartCompare->setObjectName(QStringLiteral("chartCompare"));
  btnSaveAs = new QPushButton(QStringLiteral("Save as..."), pnlChartArea);
  pnlChartArea->hide();
}

// Listed in the legend on the left from the last to the first, so that
// it reads month 1, difference, month 2 as the bars do.
void TfrmMonthCompare::BuildSeries() {
  chartCompare->SetHorizontalBars(true);
  chartCompare->SetTitle(QString());
  chartCompare->SetLegendVisible(true);
  chartCompare->SetLegendPosition(TLegendPosition::Left);
  chartCompare->SetLegendReversed(true);
  chartCompare->SetAxisFormat(kUnsignedFormat);
  // A row without a bar of a series keeps its place with an empty point.
  chartCompare->SetMarkText([](const TChartSeriesView& series, int index, const QString& text) {
    return series.Value(index) == 0 ? QString() : text;
  });
  struct TLook {
    TChartSeriesView** Series;
    const char* Name;
    QColor Fill, Outline;
  };
  for (const TLook& look :
       {TLook{&seriesMonth1, "seriesMonth1", QColor(0xA4, 0xC5, 0xD9), QColor(0x00, 0x80, 0xFF)},
        TLook{&seriesDiff, "seriesDiff", QColor(0xB1, 0xCB, 0xA0), QColor(0x00, 0x80, 0x00)},
        TLook{&SeriesMonth2, "SeriesMonth2", QColor(0xD5, 0xD5, 0xEA), QColor(0x80, 0x80, 0xC0)}}) {
    *look.Series = chartCompare->AddSeries(TSeriesKind::Bar, QString());
    (*look.Series)->setObjectName(QString::fromLatin1(look.Name));
    (*look.Series)->SetColour(look.Fill);
    (*look.Series)->SetOutlineColour(look.Outline);
    (*look.Series)->SetMarks(true, TMarksStyle::Value, kUnsignedFormat);
  }
  seriesDiff->SetTitle(QStringLiteral("Diffrence"));
}

void TfrmMonthCompare::BuildLayout() {
  auto* pickers = new QGridLayout;
  pickers->addWidget(lblDateRange, 0, 0);
  pickers->addWidget(lblto, 0, 1);
  pickers->addWidget(dtpFrom, 1, 0);
  pickers->addWidget(dtpTo, 1, 1);
  pickers->setColumnStretch(2, 1);
  auto* inputs = new QVBoxLayout;
  inputs->addWidget(lblHeading, 0, Qt::AlignLeft);
  inputs->addLayout(pickers);
  inputs->addWidget(btnRunReport, 0, Qt::AlignLeft);
  auto* top = new QHBoxLayout;
  top->addLayout(inputs, 1);
  lbxAccounts->setFixedSize(230, 96);
  top->addWidget(lbxAccounts, 0, Qt::AlignTop);
  auto* chartArea = new QVBoxLayout(pnlChartArea);
  chartArea->setContentsMargins(0, 0, 0, 0);
  chartArea->addWidget(btnSaveAs, 0, Qt::AlignRight);
  chartArea->addWidget(chartCompare, 1);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(4, 4, 4, 4);
  outer->addLayout(top);
  outer->addWidget(pnlChartArea, 1);
}

TDateTime TfrmMonthCompare::MonthOne() const {
  return PickerDay(*dtpFrom);
}

TDateTime TfrmMonthCompare::MonthTwo() const {
  return PickerDay(*dtpTo);
}

void TfrmMonthCompare::SetMonths(TDateTime monthOne, TDateTime monthTwo) {
  SetPickerDay(*dtpFrom, monthOne);
  SetPickerDay(*dtpTo, monthTwo);
}

void TfrmMonthCompare::FillAccountList() {
  lbxAccounts->Fill(Global_.Accounts);
}

bool TfrmMonthCompare::CheckInput() {
  if (!lbxAccounts->TickedAccounts().empty()) return true;
  FlashInvalid({lbxAccounts});
  return false;
}

void TfrmMonthCompare::CollectMonths() {
  const std::vector<const TAccount*> accounts = lbxAccounts->TickedAccounts();
  MonthOneTransactions_ = CollectMonth(accounts, MonthOne());
  MonthTwoTransactions_ = CollectMonth(accounts, MonthTwo());
}

void TfrmMonthCompare::BuildChart() {
  CollectMonths();
  pnlChartArea->hide();
  for (TChartSeriesView* series : chartCompare->AllSeries()) series->Clear();
  seriesMonth1->SetTitle(QString::fromStdString(MonthTitle(MonthOne())));
  SeriesMonth2->SetTitle(QString::fromStdString(MonthTitle(MonthTwo())));
  Rows_ = MonthCompareRows(MonthOneTransactions_, MonthTwoTransactions_);
  for (const TMonthCompareRow& row : Rows_) {
    const QString label = QString::fromStdString(row.Label);
    seriesMonth1->AddPoint(row.Month1, label);
    SeriesMonth2->AddPoint(row.Month2, label);
    seriesDiff->AddPoint(row.Difference(), QStringLiteral("Diff"));
  }
  chartCompare->Redraw();
  pnlChartArea->show();
}

void TfrmMonthCompare::btnRunReportClick() {
  if (CheckInput()) BuildChart();
}

bool TfrmMonthCompare::SaveChartImage(const QString& path, const char* format) {
  return chartCompare->ClientImage().save(path, format);
}

void TfrmMonthCompare::btnSaveAsClick() {
  SaveChartAs(this, Dialogs_, [this](const QString& path, const char* format) {
    return SaveChartImage(path, format);
  });
}

}  // namespace tf

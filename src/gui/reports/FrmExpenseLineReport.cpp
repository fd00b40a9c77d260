#include "gui/reports/FrmExpenseLineReport.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include "gui/reports/ChartView.h"
#include "gui/reports/ReportControls.h"

namespace tf {
namespace {

QColor ToQColor(TColor colour) {
  return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

}  // namespace

TfrmExpenseLineReport::TfrmExpenseLineReport(TGlobal& global, const TReportWindowDialogs& dialogs,
                                             QWidget* parent)
    : TfrmExpenseBarReport(global, dialogs, parent, QStringLiteral("Expense Line Report"),
                           QStringLiteral("MMM yyyy")) {
  btnShowAll = new QPushButton(QStringLiteral("Show All"), pnlChartArea);
  lblClickToHide = new QLabel(QStringLiteral("click on a line to hide it"), pnlChartArea);
  connect(btnShowAll, &QPushButton::clicked, this, &TfrmExpenseLineReport::btnShowAllClick);
  chartExpenses->SetLegendVisible(true);
  chartExpenses->SetLegendPosition(TLegendPosition::Bottom);
  chartExpenses->SetLegendStyle(TLegendStyle::SeriesTitles);
  chartExpenses->SetAxisFormat(QStringLiteral("#,##0"));
}

// The same rows as the bar report, over the widened period.
void TfrmExpenseLineReport::CollectTransactions() {
  TfrmExpenseBarReport::CollectTransactions();
}

// Series of an earlier run are used again; those not needed now are
// emptied and hidden, so the chart shows exactly this run's lines.
void TfrmExpenseLineReport::BuildChart() {
  SetPeriod(WholeMonths(Period().From, Period().To));
  CollectTransactions();
  const std::vector<TExpenseLine> lines = ExpenseLines(ReportExpenses_, Period().From, Period().To);
  while (chartExpenses->AllSeries().size() < lines.size()) {
    TChartSeriesView* series = chartExpenses->AddSeries(TSeriesKind::Line, QString());
    connect(series, &TChartSeriesView::pointClicked, series,
            [series] { series->SetActive(false); });
  }
  for (std::size_t i = 0; i < chartExpenses->AllSeries().size(); ++i) {
    TChartSeriesView* series = chartExpenses->AllSeries()[i];
    series->Clear();
    series->SetActive(i < lines.size());
    if (i < lines.size()) ShowLine(*series, lines[i]);
  }
  chartExpenses->Redraw();
}

void TfrmExpenseLineReport::ShowLine(TChartSeriesView& series, const TExpenseLine& line) {
  const QColor colour = ToQColor(line.Color);
  series.SetTitle(QString::fromStdString(line.Title));
  series.SetColour(colour);
  series.SetShownInLegend(true);
  series.SetPenWidth(2);
  series.SetPointsShown(true);
  series.SetMarks(false, TMarksStyle::Value, QStringLiteral("#,##0"));
  series.SetPercentFormat(QStringLiteral("(##0.# %)"));
  for (const TExpenseLinePoint& point : line.Points)
    series.AddPoint(point.Value, QString::fromStdString(point.Label), colour);
}

std::vector<TChartSeriesView*> TfrmExpenseLineReport::Lines() const {
  std::vector<TChartSeriesView*> lines;
  for (TChartSeriesView* series : chartExpenses->AllSeries())
    if (series->Count() > 0) lines.push_back(series);
  return lines;
}

void TfrmExpenseLineReport::btnShowAllClick() {
  for (TChartSeriesView* series : Lines()) series->SetActive(true);
}

// The chart fills the area less 10 pixels at the right and the bottom.
void TfrmExpenseLineReport::LayoutChart() {
  const QSize area = ScrollBox->viewport()->size();
  const int width = std::max(200, area.width()), height = std::max(200, area.height());
  pnlChartArea->resize(width, height);
  const int buttonHeight = btnSaveAs->sizeHint().height();
  btnSaveAs->setGeometry(width - btnSaveAs->sizeHint().width() - 5, 2,
                         btnSaveAs->sizeHint().width(), buttonHeight);
  btnShowAll->setGeometry(btnSaveAs->x() - btnShowAll->sizeHint().width() - 6, 2,
                          btnShowAll->sizeHint().width(), buttonHeight);
  lblClickToHide->setGeometry(4, 2, std::max(0, btnShowAll->x() - 8), buttonHeight);
  chartExpenses->setGeometry(0, buttonHeight + 6, width - 10, height - buttonHeight - 6 - 10);
}

}  // namespace tf

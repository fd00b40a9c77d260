#include "gui/reports/FrmExpenseBarReport.h"

#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/Global.h"
#include "gui/app/FormLook.h"
#include "gui/app/LinkLabel.h"
#include "gui/reports/ChartImageSave.h"
#include "gui/reports/ChartView.h"
#include "gui/reports/ReportControls.h"
#include "gui/reports/ReportWindowDialogs.h"

namespace tf {
namespace {

constexpr int kBarChartHeight = 800;

QColor ToQColor(TColor colour) {
  return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

}  // namespace

TfrmExpenseBarReport::TfrmExpenseBarReport(TGlobal& global, const TReportWindowDialogs& dialogs,
                                           QWidget* parent)
    : TfrmExpenseBarReport(global, dialogs, parent, QStringLiteral("Expense Bar Report"),
                           QStringLiteral("dd MMM yyyy")) {
  SetUpBarChart();
}

TfrmExpenseBarReport::TfrmExpenseBarReport(TGlobal& global, const TReportWindowDialogs& dialogs,
                                           QWidget* parent, const QString& heading,
                                           const QString& dateFormat)
    : QWidget(parent), Global_(global), Dialogs_(dialogs) {
  setWindowTitle(heading);
  ApplyFormLook(*this);
  BuildControls(heading, dateFormat);
  BuildLayout();
  Connect();
  SetPeriod(QuickPeriod(TQuickPeriod::ThisYear, Today()));
  FillAccountList();
}

void TfrmExpenseBarReport::BuildControls(const QString& heading, const QString& dateFormat) {
  lblHeading = NewReportHeading(heading, this);
  lblDateRange = new QLabel(QStringLiteral("From :"), this);
  dtpFrom = NewReportDatePicker(dateFormat, this);
  lblto = new QLabel(QStringLiteral("to "), this);
  dtpTo = NewReportDatePicker(dateFormat, this);
  lblThisYear = NewPeriodLink(QStringLiteral("This Year"), this);
  lblLastYear = NewPeriodLink(QStringLiteral("Last Year"), this);
  lblLast3Months = NewPeriodLink(QStringLiteral("The Last 3 Months"), this);
  lblThisMonth = NewPeriodLink(QStringLiteral("This Month"), this);
  lbxAccounts = new TAccountTickList(this);
  lbxAccounts->setObjectName(QStringLiteral("lbxAccounts"));
  btnRunReport = new QPushButton(QStringLiteral("Run Report"), this);
  btnRunReport->setDefault(true);
  ScrollBox = new QScrollArea(this);
  ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
  ScrollBox->setWidgetResizable(false);
  ScrollBox->setFrameShape(QFrame::NoFrame);
  pnlChartArea = new QWidget;
  ApplyFormLook(*pnlChartArea);
  chartExpenses = new TChartView(pnlChartArea);
  chartExpenses->setObjectName(QStringLiteral("chartExpenses"));
  btnSaveAs = new QPushButton(QStringLiteral("Save as..."), pnlChartArea);
  ScrollBox->setWidget(pnlChartArea);
  ScrollBox->viewport()->installEventFilter(this);
  ScrollBox->hide();
}

void TfrmExpenseBarReport::BuildLayout() {
  auto* dates = new QHBoxLayout;
  for (QWidget* control : std::initializer_list<QWidget*>{lblDateRange, dtpFrom, lblto, dtpTo})
    dates->addWidget(control);
  dates->addStretch(1);
  auto* links = new QHBoxLayout;
  for (QWidget* link :
       std::initializer_list<QWidget*>{lblThisYear, lblLastYear, lblLast3Months, lblThisMonth})
    links->addWidget(link);
  links->addStretch(1);
  auto* inputs = new QVBoxLayout;
  inputs->addWidget(lblHeading, 0, Qt::AlignLeft);
  inputs->addLayout(dates);
  inputs->addLayout(links);
  inputs->addWidget(btnRunReport, 0, Qt::AlignLeft);
  auto* top = new QHBoxLayout;
  top->addLayout(inputs, 1);
  lbxAccounts->setFixedSize(230, 96);
  top->addWidget(lbxAccounts, 0, Qt::AlignTop);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(4, 4, 4, 4);
  outer->addLayout(top);
  outer->addWidget(ScrollBox, 1);
}

void TfrmExpenseBarReport::Connect() {
  connect(lblThisYear, &TLinkLabel::clicked, this,
          [this] { ChooseQuickPeriod(TQuickPeriod::ThisYear); });
  connect(lblLastYear, &TLinkLabel::clicked, this,
          [this] { ChooseQuickPeriod(TQuickPeriod::LastYear); });
  connect(lblLast3Months, &TLinkLabel::clicked, this,
          [this] { ChooseQuickPeriod(TQuickPeriod::LastThreeMonths); });
  connect(lblThisMonth, &TLinkLabel::clicked, this,
          [this] { ChooseQuickPeriod(TQuickPeriod::ThisMonth); });
  connect(btnRunReport, &QPushButton::clicked, this, &TfrmExpenseBarReport::btnRunReportClick);
  connect(btnSaveAs, &QPushButton::clicked, this, &TfrmExpenseBarReport::btnSaveAsClick);
}

// A horizontal bar series without legend, title or axes but the bottom
// one; the marks carry label, share and value.
void TfrmExpenseBarReport::SetUpBarChart() {
  chartExpenses->SetHorizontalBars(true);
  chartExpenses->SetLegendVisible(false);
  chartExpenses->SetTitle(QString());
  chartExpenses->SetAxisFormat(QStringLiteral("#,##0"));
  chartExpenses->SetMarkText([this](const TChartSeriesView&, int index, const QString&) {
    if (index < 0 || index >= static_cast<int>(Bars_.size())) return QString();
    const TChartSeparators separators{Global_.GetThousandSeparator(),
                                      Global_.GetDecimalSeparator()};
    return QString::fromStdString(
        ExpenseBarMark(Bars_[index], ExpenseBarsTotal(Bars_), separators));
  });
}

TPeriod TfrmExpenseBarReport::Period() const {
  return {PickerDay(*dtpFrom), PickerDay(*dtpTo)};
}

void TfrmExpenseBarReport::SetPeriod(const TPeriod& period) {
  const QSignalBlocker fromBlocker(dtpFrom), toBlocker(dtpTo);
  SetPickerDay(*dtpFrom, period.From);
  SetPickerDay(*dtpTo, period.To);
}

void TfrmExpenseBarReport::ChooseQuickPeriod(TQuickPeriod choice) {
  SetPeriod(QuickPeriod(choice, Today()));
}

void TfrmExpenseBarReport::FillAccountList() {
  lbxAccounts->Fill(Global_.Accounts);
}

bool TfrmExpenseBarReport::CheckInput() {
  if (lbxAccounts->TickedAccounts().empty()) {
    FlashInvalid({lbxAccounts});
    return false;
  }
  if (Period().To < Period().From) {
    FlashInvalid({dtpFrom, dtpTo});
    return false;
  }
  return true;
}

void TfrmExpenseBarReport::CollectTransactions() {
  ReportExpenses_ = CollectExpenses(lbxAccounts->TickedAccounts(), Period().From, Period().To);
}

void TfrmExpenseBarReport::BuildChart() {
  if (chartExpenses->AllSeries().empty()) {
    TChartSeriesView* series =
        chartExpenses->AddSeries(TSeriesKind::Bar, QStringLiteral("barExpenses"));
    series->setObjectName(QStringLiteral("barExpenses"));
    series->SetColour(QColor(0xFF, 0x80, 0x00));
    series->SetShownInLegend(false);
    series->SetMarks(true, TMarksStyle::LabelAndPercent, QStringLiteral("#,##0"));
    series->SetPercentFormat(QStringLiteral("(##0.# %)"));
  }
  TChartSeriesView* series = chartExpenses->AllSeries().front();
  series->Clear();
  CollectTransactions();
  Bars_ = ExpenseBars(ReportExpenses_);
  for (const TExpenseBar& bar : Bars_)
    series->AddPoint(bar.Value, QString::fromStdString(bar.Label), ToQColor(bar.Color));
  chartExpenses->Redraw();
}

void TfrmExpenseBarReport::btnRunReportClick() {
  ScrollBox->hide();
  if (CheckInput()) BuildChart();
  ScrollBox->show();
  LayoutChart();
}

// The chart follows the width of the chart area whenever the area changes size.
bool TfrmExpenseBarReport::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ScrollBox->viewport() && event->type() == QEvent::Resize) LayoutChart();
  return QWidget::eventFilter(watched, event);
}

void TfrmExpenseBarReport::LayoutChart() {
  const int width = std::max(200, ScrollBox->viewport()->width());
  pnlChartArea->resize(width, kBarChartHeight + btnSaveAs->sizeHint().height() + 10);
  btnSaveAs->move(width - btnSaveAs->sizeHint().width() - 5, 2);
  btnSaveAs->resize(btnSaveAs->sizeHint());
  chartExpenses->setGeometry(0, btnSaveAs->height() + 6, width - 10, kBarChartHeight);
}

bool TfrmExpenseBarReport::SaveChartImage(const QString& path, const char* format) {
  return chartExpenses->ClientImage().save(path, format);
}

void TfrmExpenseBarReport::btnSaveAsClick() {
  SaveChartAs(this, Dialogs_, [this](const QString& path, const char* format) {
    return SaveChartImage(path, format);
  });
}

}  // namespace tf

#include "gui/reports/FrmReportView.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QCursor>
#include <QDateEdit>
#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Global.h"
#include "gui/app/DateConversion.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/reports/ChartView.h"
#include "gui/reports/FrmMoreReports.h"
#include "gui/reports/ReportWindowDialogs.h"
#include "model/Account.h"
#include "workspace/TransactionListing.h"

namespace tf {
namespace {

constexpr int kListHeight = 22;
constexpr int kListWidth = 260;
constexpr int kBottomStrip = 35;
constexpr int kControlRowHeight = 30;  // the chart's title starts below the controls
constexpr int kMouseCheckMs = 250;
const QString kImageFilters[] = {QStringLiteral("Bitmaps (*.bmp)"),
                                 QStringLiteral("PNG images (*.png)")};
const char* const kImageExtensions[] = {".bmp", ".png"};
const char* const kImageFormats[] = {"BMP", "PNG"};

QColor Rgb(TColor colour) {
  return QColor(QRgb(colour));
}

QToolButton* NewArrow(Qt::ArrowType arrow, const QString& hint, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setToolTip(hint);
  button->setAutoRaise(true);
  return button;
}

QDateEdit* NewPicker(const QString& format, QWidget* parent) {
  auto* picker = new QDateEdit(parent);
  picker->setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
  picker->setDisplayFormat(format);
  return picker;
}

// A row of controls in the chart's top left corner.
QWidget* NewControlRow(TChartView* chart) {
  auto* row = new QWidget(chart);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  chart->chart()->setMargins(QMargins(4, kControlRowHeight, 4, 4));
  return row;
}

void AddToRow(QWidget* row, std::initializer_list<QWidget*> widgets) {
  for (QWidget* widget : widgets) row->layout()->addWidget(widget);
  row->adjustSize();
}

}  // namespace

TfrmReportView::TfrmReportView(TGlobal& global, const TWorkspaceDialogs& dialogs, QWidget* parent,
                               std::function<TDateTime()> today)
    : QWidget(parent), Global_(global), Dialogs_(dialogs), Today_(std::move(today)) {
  setObjectName(QStringLiteral("TfrmReportView"));
  setAutoFillBackground(true);
  BuildCharts();
  BuildControls();
  BuildButtons();
  const TDateTime now = Today_();
  for (QDateEdit* picker : {dtpIncomeVsExpenses, dtpSpendingByCategory, dtpTrends}) {
    const QSignalBlocker blocker(picker);
    picker->setDate(ToQDate(now));
  }
  CompareMonth_ = now;
  ConnectControls();
  ConnectCharts();
  setMinimumSize(600, 400);
}

TfrmReportView::~TfrmReportView() = default;

// --- building the window

void TfrmReportView::BuildCharts() {
  chartIncomeExpenses = new TChartView(this);
  charExpensesByCategory = new TChartView(this);
  chartTrends = new TChartView(this);
  ChartCompare = new TChartView(this);
  chartIncomeExpenses->setObjectName(QStringLiteral("chartIncomeExpenses"));
  charExpensesByCategory->setObjectName(QStringLiteral("charExpensesByCategory"));
  chartTrends->setObjectName(QStringLiteral("chartTrends"));
  ChartCompare->setObjectName(QStringLiteral("ChartCompare"));
  BuildIncomeSeries();
  BuildSpendingSeries();
  BuildTrendSeries();
  BuildCompareSeries();
}

void TfrmReportView::BuildIncomeSeries() {
  TChartView& chart = *chartIncomeExpenses;
  chart.SetTitle(QStringLiteral("Income vs. Expenses"));
  auto bar = [&chart](const QString& title, TColor colour, TColor box) {
    TChartSeriesView* series = chart.AddSeries(TSeriesKind::Bar, title);
    series->SetColour(Rgb(colour));
    series->SetMarks(true, TMarksStyle::Value, QStringLiteral("###,###,###,##0"));
    series->SetMarksBox(Rgb(box));
    return series;
  };
  barseriesIncome = bar(QStringLiteral("Income"), kIncomeColour, 0x005CB9);
  barseriesTransfers = bar(QStringLiteral("Transfers"), kTransfersColour, 0xCA6500);
  barseriesExpenses = bar(QStringLiteral("Expenses"), kExpensesColour, 0xFF4F4F);
  auto pie = [&chart](const QString& title) {
    TChartSeriesView* series = chart.AddSeries(TSeriesKind::Pie, title);
    series->SetActive(false);
    series->SetExplodeBiggest(3);
    series->SetMarks(true, TMarksStyle::LabelAndValue, QStringLiteral("###,###,###,##0"));
    return series;
  };
  pieIncomeVsExpenses = pie(QStringLiteral("Income vs Expense (Pie)"));
  pieIncomeVsExpensesMainCat = pie(QStringLiteral("Income vs Expense (Pie - Main Cats)"));
}

void TfrmReportView::BuildSpendingSeries() {
  TChartView& chart = *charExpensesByCategory;
  chart.SetTitle(QStringLiteral("Spending by Category"));
  chart.SetLegendPosition(TLegendPosition::Right);
  chart.SetLegendStyle(TLegendStyle::PercentBeforeLabel);
  pieseriesSpendingByCategory = chart.AddSeries(TSeriesKind::Pie, QStringLiteral("Category"));
  pieseriesSubcategories = chart.AddSeries(TSeriesKind::Pie, QStringLiteral("Subcategory"));
  for (TChartSeriesView* series : {pieseriesSpendingByCategory, pieseriesSubcategories}) {
    series->SetExplodeBiggest(5);
    series->SetMarks(true, TMarksStyle::LabelAndValue, QStringLiteral("###,###,###,##0"));
  }
  pieseriesSpendingByCategory->SetMarksBold(true);
  pieseriesSubcategories->SetActive(false);
}

void TfrmReportView::BuildTrendSeries() {
  TChartView& chart = *chartTrends;
  chart.SetTitle(QStringLiteral("Trends"));
  lineseriesIncome = chart.AddSeries(TSeriesKind::Bar, QStringLiteral("Income"));
  lineseriesExpenses = chart.AddSeries(TSeriesKind::Bar, QStringLiteral("Expenses"));
  lineseriesTransfers = chart.AddSeries(TSeriesKind::Line, QStringLiteral("Transfers"));
  lineseriesIncome->SetColour(Rgb(kIncomeColour));
  lineseriesExpenses->SetColour(Rgb(kExpensesColour));
  lineseriesTransfers->SetColour(Qt::black);
  for (TChartSeriesView* series : {lineseriesIncome, lineseriesExpenses})
    series->SetMarks(true, TMarksStyle::Value, QStringLiteral("###,###,###,##0"));
}

void TfrmReportView::BuildCompareSeries() {
  TChartView& chart = *ChartCompare;
  chart.SetTitle(QStringLiteral("This month and last month"));
  auto line = [&chart](const QString& title, QColor colour) {
    TChartSeriesView* series = chart.AddSeries(TSeriesKind::Line, title);
    series->SetColour(colour);
    series->SetPenWidth(2);
    return series;
  };
  lineComparePreviousIncome = line(QStringLiteral("Previous Income"), QColor(0xB3D9FF));
  lineComparePreviousExpenses = line(QStringLiteral("Previous Expenses"), QColor(0xFFB7B7));
  lineCompareCurrentExpenses = line(QStringLiteral("Expenses"), Rgb(kExpensesColour));
  lineCompareCurrentIncome = line(QStringLiteral("Income"), Rgb(kIncomeColour));
}

void TfrmReportView::BuildControls() {
  QWidget* income = NewControlRow(chartIncomeExpenses);
  btnPreviousMonthIncomeVsExpenses =
      NewArrow(Qt::LeftArrow, QStringLiteral("Previous Month"), income);
  chkIncomeVsExpensesMonth = new QCheckBox(income);
  chkIncomeVsExpensesMonth->setChecked(true);
  chkIncomeVsExpensesMonth->setToolTip(QStringLiteral("Untick to cover all transactions"));
  dtpIncomeVsExpenses = NewPicker(QStringLiteral("MMM yyyy"), income);
  dtpIncomeVsExpenses->setCalendarPopup(true);
  btnNextMonthIncomeVsExpenses = NewArrow(Qt::RightArrow, QStringLiteral("Next Month"), income);
  chkShowPie = new QCheckBox(QStringLiteral("Show Pie"), income);
  AddToRow(income, {btnPreviousMonthIncomeVsExpenses, chkIncomeVsExpensesMonth, dtpIncomeVsExpenses,
                    btnNextMonthIncomeVsExpenses, chkShowPie});

  QWidget* spending = NewControlRow(charExpensesByCategory);
  btnPreviousMonthSpendingByCat =
      NewArrow(Qt::LeftArrow, QStringLiteral("Previous Month"), spending);
  chkSpendingMonth = new QCheckBox(spending);
  chkSpendingMonth->setChecked(true);
  chkSpendingMonth->setToolTip(QStringLiteral("Untick to cover all transactions"));
  dtpSpendingByCategory = NewPicker(QStringLiteral("MMM yyyy"), spending);
  dtpSpendingByCategory->setCalendarPopup(true);
  btnNextMonthSpendingByCat = NewArrow(Qt::RightArrow, QStringLiteral("Next Month"), spending);
  lblSpendingByCatHelp = new QLabel(QStringLiteral("Click on a slice to view details"), spending);
  AddToRow(spending, {btnPreviousMonthSpendingByCat, chkSpendingMonth, dtpSpendingByCategory,
                      btnNextMonthSpendingByCat, lblSpendingByCatHelp});

  QWidget* trends = NewControlRow(chartTrends);
  btnPreviousMonthTrend = NewArrow(Qt::LeftArrow, QStringLiteral("Previous Month"), trends);
  dtpTrends = NewPicker(QStringLiteral("yyyy"), trends);
  btnNextMonthTrend = NewArrow(Qt::RightArrow, QStringLiteral("Next Month"), trends);
  btnIceberg = new QToolButton(trends);
  btnIceberg->setText(QStringLiteral("Iceberg"));
  btnIceberg->setCheckable(true);
  btnIceberg->setToolTip(QStringLiteral("Down: expenses beside income; up: expenses below it"));
  AddToRow(trends, {btnPreviousMonthTrend, dtpTrends, btnNextMonthTrend, btnIceberg});

  QWidget* compare = NewControlRow(ChartCompare);
  btnPreviousMonth = NewArrow(Qt::LeftArrow, QStringLiteral("Previous Month"), compare);
  btnNextMonth = NewArrow(Qt::RightArrow, QStringLiteral("Next Month"), compare);
  AddToRow(compare, {btnPreviousMonth, btnNextMonth});
}

void TfrmReportView::BuildButtons() {
  lbxAccounts = new QListWidget(this);
  lbxAccounts->setToolTip(QStringLiteral("Select what accounts are used in the reports"));
  lbxAccounts->setMouseTracking(true);
  lbxAccounts->viewport()->setMouseTracking(true);
  lbxAccounts->viewport()->installEventFilter(this);
  timerMouseCheck = new QTimer(this);
  timerMouseCheck->setInterval(kMouseCheckMs);
  btnCopyAll = new QPushButton(QStringLiteral("Export..."), this);
  popmExport = new QMenu(this);
  menuitemAsoneimage = popmExport->addAction(QStringLiteral("as one image"));
  menuitemtoClipboardasimage = popmExport->addAction(QStringLiteral("to clipboard as image"));
  btnMore = new QPushButton(QStringLiteral("More Reports..."), this);
}

void TfrmReportView::ConnectControls() {
  connect(chkShowPie, &QCheckBox::clicked, this, [this] { BuildIncomeVsExpenses(); });
  connect(chkIncomeVsExpensesMonth, &QCheckBox::toggled, this, [this](bool ticked) {
    dtpIncomeVsExpenses->setEnabled(ticked);
    BuildIncomeVsExpenses();
  });
  connect(chkSpendingMonth, &QCheckBox::toggled, this, [this](bool ticked) {
    dtpSpendingByCategory->setEnabled(ticked);
    BuildSpendingByCategory();
  });
  // While a calendar is dropped down the date follows the browsing; the
  // close-up decides (see eventFilter).
  connect(dtpIncomeVsExpenses, &QDateEdit::dateChanged, this, [this] {
    if (!dtpIncomeVsExpenses->calendarWidget()->isVisible()) BuildIncomeVsExpenses();
  });
  connect(dtpSpendingByCategory, &QDateEdit::dateChanged, this, [this] {
    if (!dtpSpendingByCategory->calendarWidget()->isVisible()) BuildSpendingByCategory();
  });
  for (QDateEdit* picker : {dtpIncomeVsExpenses, dtpSpendingByCategory})
    picker->calendarWidget()->window()->installEventFilter(this);
  connect(dtpTrends, &QDateEdit::dateChanged, this, [this] { BuildTrends(); });
  connect(btnPreviousMonthIncomeVsExpenses, &QToolButton::clicked, this,
          [this] { btnMonthClick(dtpIncomeVsExpenses, -1); });
  connect(btnNextMonthIncomeVsExpenses, &QToolButton::clicked, this,
          [this] { btnMonthClick(dtpIncomeVsExpenses, 1); });
  connect(btnPreviousMonthSpendingByCat, &QToolButton::clicked, this,
          [this] { btnMonthClick(dtpSpendingByCategory, -1); });
  connect(btnNextMonthSpendingByCat, &QToolButton::clicked, this,
          [this] { btnMonthClick(dtpSpendingByCategory, 1); });
  connect(btnPreviousMonthTrend, &QToolButton::clicked, this, [this] { btnTrendYearClick(-1); });
  connect(btnNextMonthTrend, &QToolButton::clicked, this, [this] { btnTrendYearClick(1); });
  connect(btnPreviousMonth, &QToolButton::clicked, this, [this] { btnCompareMonthClick(-1); });
  connect(btnNextMonth, &QToolButton::clicked, this, [this] { btnCompareMonthClick(1); });
  connect(btnIceberg, &QToolButton::clicked, this, [this] { BuildTrends(); });
  connect(lbxAccounts, &QListWidget::itemChanged, this, &TfrmReportView::lbxAccountsTickChanged);
  connect(timerMouseCheck, &QTimer::timeout, this, &TfrmReportView::timerMouseCheckTimer);
  connect(btnCopyAll, &QPushButton::clicked, this, &TfrmReportView::btnCopyAllClick);
  connect(menuitemAsoneimage, &QAction::triggered, this, &TfrmReportView::menuitemAsoneimageClick);
  connect(menuitemtoClipboardasimage, &QAction::triggered, this,
          &TfrmReportView::menuitemtoClipboardasimageClick);
  connect(btnMore, &QPushButton::clicked, this, &TfrmReportView::btnMoreClick);
}

void TfrmReportView::ConnectCharts() {
  connect(pieIncomeVsExpenses, &TChartSeriesView::pointClicked, this, &TfrmReportView::TopPieClick);
  connect(pieIncomeVsExpensesMainCat, &TChartSeriesView::pointClicked, this,
          &TfrmReportView::BreakdownClick);
  connect(chartIncomeExpenses, &TChartView::legendClicked, this,
          [this](int, const QString& text) { IncomeLegendClick(text); });
  connect(pieseriesSpendingByCategory, &TChartSeriesView::pointClicked, this, [this](int index) {
    BuildSpendingBySubcategory(pieseriesSpendingByCategory->Label(index).toStdString());
  });
  connect(pieseriesSubcategories, &TChartSeriesView::pointClicked, this,
          [this] { BuildSpendingByCategory(); });
  connect(charExpensesByCategory, &TChartView::legendClicked, this,
          [this](int, const QString& text) { SpendingLegendClick(text); });
  for (TChartView* chart : {chartIncomeExpenses, chartTrends, ChartCompare})
    connect(chart, &TChartView::mouseWheel, this, [](bool* handled) { *handled = true; });
}

// --- what the charts count

TChartScope TfrmReportView::Scope() const {
  TChartScope scope;
  for (int i = 0; i < lbxAccounts->count(); ++i) {
    const QListWidgetItem* item = lbxAccounts->item(i);
    const auto* account = static_cast<const TAccount*>(item->data(Qt::UserRole).value<void*>());
    if (item->checkState() == Qt::Checked && account != nullptr && !account->Deleted)
      scope.Accounts.push_back(account);
  }
  scope.Categories = Global_.Categories.Entries();
  return scope;
}

TDateTime TfrmReportView::PickerDay(const QDateEdit& picker) const {
  return FromQDate(picker.date());
}

TChartPeriod TfrmReportView::PiePeriod() const {
  return chkIncomeVsExpensesMonth->isChecked() ? MonthPeriod(PickerDay(*dtpIncomeVsExpenses))
                                               : TChartPeriod{};
}

TChartPeriod TfrmReportView::SpendingPeriod() const {
  return chkSpendingMonth->isChecked() ? MonthPeriod(PickerDay(*dtpSpendingByCategory))
                                       : TChartPeriod{};
}

void TfrmReportView::ShowPicture(TChartSeriesView& series, const TChartData& data) {
  series.Clear();
  if (!data.Series.empty()) series.AddPoints(data.Series[0]);
}

// --- the page's operations

void TfrmReportView::ShowReports() {
  Global_.BuildMonthIndex(true);
  const TChartSeparators separators{Global_.GetThousandSeparator(), Global_.GetDecimalSeparator()};
  for (TChartView* chart : {chartIncomeExpenses, charExpensesByCategory, chartTrends, ChartCompare})
    chart->SetNumberSeparators(separators);
  FillAccountList();
  RefreshCharts();
}

void TfrmReportView::FillAccountList() {
  Filling_ = true;
  const auto done = qScopeGuard([this] { Filling_ = false; });
  lbxAccounts->clear();
  for (TAccount* account : LiveAccounts(Global_.Accounts)) {
    auto* item = new QListWidgetItem(QString::fromStdString(account->DisplayText()), lbxAccounts);
    item->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(account)));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
  }
}

bool TfrmReportView::IsAccountSelected(const TAccount& account) const {
  for (int i = 0; i < lbxAccounts->count(); ++i) {
    const QListWidgetItem* item = lbxAccounts->item(i);
    if (item->data(Qt::UserRole).value<void*>() == &account)
      return item->checkState() == Qt::Checked;
  }
  return false;
}

void TfrmReportView::RefreshCharts() {
  BuildIncomeVsExpenses();
  BuildSpendingByCategory();
  BuildTrends();
  BuildMonthComparison();
}

void TfrmReportView::BuildIncomeVsExpenses() {
  TChartView& chart = *chartIncomeExpenses;
  BreakdownAtSubLevel_ = false;
  for (TChartSeriesView* series : {barseriesIncome, barseriesTransfers, barseriesExpenses,
                                   pieIncomeVsExpenses, pieIncomeVsExpensesMainCat})
    series->Clear();
  const bool pie = chkShowPie->isChecked();
  chkIncomeVsExpensesMonth->setVisible(pie);
  dtpIncomeVsExpenses->setEnabled(!pie || chkIncomeVsExpensesMonth->isChecked());
  chart.SetLegendVisible(true);
  chart.SetLegendPosition(pie ? TLegendPosition::Right : TLegendPosition::Bottom);
  chart.SetLegendStyle(pie ? TLegendStyle::PercentBeforeLabel : TLegendStyle::ValueBeforeLabel);
  chart.SetLegendClickArmed(true);
  chart.SetBackWallBorder(false);
  for (TChartSeriesView* series : {barseriesIncome, barseriesTransfers, barseriesExpenses})
    series->SetActive(!pie);
  pieIncomeVsExpenses->SetActive(pie);
  pieIncomeVsExpensesMainCat->SetActive(false);
  if (pie) {
    const TChartData data = IncomeVsExpensesPie(Scope(), PiePeriod());
    chart.SetTitle(QString::fromStdString(data.Title));
    ShowPicture(*pieIncomeVsExpenses, data);
  } else {
    const TChartData data = IncomeVsExpensesBars(Scope(), PickerDay(*dtpIncomeVsExpenses));
    chart.SetTitle(QString::fromStdString(data.Title));
    barseriesIncome->AddPoints(data.Series[0]);
    barseriesTransfers->AddPoints(data.Series[1]);
    barseriesExpenses->AddPoints(data.Series[2]);
  }
  chart.Redraw();
}

void TfrmReportView::BuildIncomeExpenseBreakdown(TBreakdownSide side, const std::string& main) {
  TChartView& chart = *chartIncomeExpenses;
  const QString sideName = QString::fromLatin1(BreakdownSideName(side));
  chart.SetLegendClickArmed(main.empty());
  chart.SetTag(sideName);
  pieIncomeVsExpensesMainCat->SetIdentifier(sideName);
  const TChartData data = IncomeExpenseBreakdown(Scope(), PiePeriod(), side, main);
  chart.SetTitle(QString::fromStdString(data.Title));
  ShowPicture(*pieIncomeVsExpensesMainCat, data);
  pieIncomeVsExpenses->SetActive(false);
  pieIncomeVsExpensesMainCat->SetActive(true);
  chart.Redraw();
}

void TfrmReportView::TopPieClick(int index) {
  const bool income = pieIncomeVsExpenses->PointColour(index) == barseriesIncome->Colour();
  BuildIncomeExpenseBreakdown(income ? TBreakdownSide::Income : TBreakdownSide::Expenses, "");
  BreakdownAtSubLevel_ = false;
}

void TfrmReportView::BreakdownClick(int index) {
  if (BreakdownAtSubLevel_) return BuildIncomeVsExpenses();
  const TBreakdownSide side = pieIncomeVsExpensesMainCat->Identifier() == QLatin1String("Income")
                                  ? TBreakdownSide::Income
                                  : TBreakdownSide::Expenses;
  BuildIncomeExpenseBreakdown(side, pieIncomeVsExpensesMainCat->Label(index).toStdString());
  BreakdownAtSubLevel_ = true;
}

void TfrmReportView::IncomeLegendClick(const QString& text) {
  const QString label = QString::fromStdString(LegendEntryLabel(text.toStdString()));
  if (pieIncomeVsExpenses->Active()) {
    const int index = pieIncomeVsExpenses->IndexOfLabel(label);
    if (index >= 0) TopPieClick(index);
  } else if (pieIncomeVsExpensesMainCat->Active() && !BreakdownAtSubLevel_) {
    const TBreakdownSide side = chartIncomeExpenses->Tag() == QLatin1String("Income")
                                    ? TBreakdownSide::Income
                                    : TBreakdownSide::Expenses;
    BuildIncomeExpenseBreakdown(side, label.toStdString());
    BreakdownAtSubLevel_ = true;
  }
}

void TfrmReportView::BuildSpendingByCategory() {
  TChartView& chart = *charExpensesByCategory;
  pieseriesSubcategories->SetActive(false);
  pieseriesSpendingByCategory->SetActive(true);
  const TChartData data = SpendingByCategory(Scope(), SpendingPeriod());
  chart.SetTitle(QString::fromStdString(data.Title));
  ShowPicture(*pieseriesSpendingByCategory, data);
  chart.SetLegendClickArmed(true);
  chart.Redraw();
}

void TfrmReportView::BuildSpendingBySubcategory(const std::string& main) {
  TChartView& chart = *charExpensesByCategory;
  // The drill-down always covers the picker's month, ticked or not.
  const TChartData data =
      SpendingBySubcategory(Scope(), MonthPeriod(PickerDay(*dtpSpendingByCategory)), main);
  chart.SetTitle(QString::fromStdString(data.Title));
  ShowPicture(*pieseriesSubcategories, data);
  pieseriesSpendingByCategory->SetActive(false);
  pieseriesSubcategories->SetActive(true);
  chart.SetLegendClickArmed(false);
  chart.Redraw();
}

void TfrmReportView::SpendingLegendClick(const QString& text) {
  if (pieseriesSpendingByCategory->Active())
    BuildSpendingBySubcategory(LegendEntryLabel(text.toStdString()));
}

void TfrmReportView::BuildTrends() {
  TChartView& chart = *chartTrends;
  const bool upward = btnIceberg->isChecked();
  chart.SetBarLayout(upward ? TBarLayout::SideBySide : TBarLayout::SamePosition);
  const TChartData data = Trends(Scope(), PickerDay(*dtpTrends), upward);
  chart.SetTitle(QString::fromStdString(data.Title));
  TChartSeriesView* series[] = {lineseriesIncome, lineseriesExpenses, lineseriesTransfers};
  for (int i = 0; i < 3; ++i) {
    series[i]->SetActive(true);
    series[i]->Clear();
    series[i]->AddPoints(data.Series[i]);
  }
  chart.Redraw();
}

void TfrmReportView::BuildMonthComparison() {
  const TChartData data = MonthComparison(Scope(), CompareMonth_, Today_());
  ChartCompare->SetTitle(QString::fromStdString(data.Title));
  TChartSeriesView* series[] = {lineComparePreviousIncome, lineComparePreviousExpenses,
                                lineCompareCurrentExpenses, lineCompareCurrentIncome};
  for (int i = 0; i < 4; ++i) {
    series[i]->Clear();
    series[i]->SetTitle(QString::fromStdString(data.Series[i].Title));
    series[i]->AddPoints(data.Series[i]);
  }
  ChartCompare->Redraw();
}

// --- events

void TfrmReportView::btnMonthClick(QDateEdit* picker, int months) {
  {
    const QSignalBlocker blocker(picker);
    picker->setDate(ToQDate(MoveMonths(PickerDay(*picker), months)));
  }
  RefreshCharts();
}

void TfrmReportView::btnTrendYearClick(int years) {
  {
    const QSignalBlocker blocker(dtpTrends);
    dtpTrends->setDate(ToQDate(MoveMonths(PickerDay(*dtpTrends), 12 * years)));
  }
  RefreshCharts();
}

void TfrmReportView::btnCompareMonthClick(int months) {
  CompareMonth_ = MoveMonths(CompareMonth_, months);
  RefreshCharts();
}

void TfrmReportView::lbxAccountsTickChanged() {
  if (!Filling_) RefreshCharts();
}

bool TfrmReportView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lbxAccounts->viewport() && event->type() == QEvent::MouseMove) ExpandAccountList();
  if (event->type() == QEvent::Hide) {
    if (watched == dtpIncomeVsExpenses->calendarWidget()->window()) BuildIncomeVsExpenses();
    if (watched == dtpSpendingByCategory->calendarWidget()->window()) BuildSpendingByCategory();
  }
  return QWidget::eventFilter(watched, event);
}

// The list opens upward over the charts while the mouse is on it.
void TfrmReportView::ExpandAccountList() {
  if (lbxAccounts->height() != kListHeight) return;
  const int rowHeight = lbxAccounts->sizeHintForRow(0) > 0 ? lbxAccounts->sizeHintForRow(0) : 16;
  int grow = lbxAccounts->count() * rowHeight + 5;
  if (grow > height() - 30) grow = height() - 50;
  lbxAccounts->setGeometry(lbxAccounts->x(), lbxAccounts->y() - grow, lbxAccounts->width(),
                           kListHeight + grow);
  lbxAccounts->raise();
  timerMouseCheck->start();
}

void TfrmReportView::timerMouseCheckTimer() {
  if (lbxAccounts->height() == kListHeight) return timerMouseCheck->stop();
  QWidget* under = QApplication::widgetAt(QCursor::pos());
  if (under == lbxAccounts || under == lbxAccounts->viewport()) return;
  timerMouseCheck->stop();
  CollapseAccountList();
}

void TfrmReportView::CollapseAccountList() {
  lbxAccounts->setGeometry(chartTrends->x(), chartTrends->geometry().bottom() + 1 + 2, kListWidth,
                           kListHeight);
}

void TfrmReportView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutCharts();
}

void TfrmReportView::LayoutCharts() {
  const int h = (height() - kBottomStrip) / 2, w = width() / 2;
  chartIncomeExpenses->setGeometry(0, 0, w - 5, h - 5);
  charExpensesByCategory->setGeometry(w + 5, 0, w - 5, h - 5);
  chartTrends->setGeometry(0, h + 5, w - 5, h);
  ChartCompare->setGeometry(w + 5, h + 5, w - 5, h);
  CollapseAccountList();
  timerMouseCheck->stop();
  const int buttonHeight = btnMore->sizeHint().height();
  const int y = height() - buttonHeight - 4;
  btnMore->setGeometry(width() - btnMore->sizeHint().width() - 4, y, btnMore->sizeHint().width(),
                       buttonHeight);
  btnCopyAll->setGeometry(btnMore->x() - btnCopyAll->sizeHint().width() - 6, y,
                          btnCopyAll->sizeHint().width(), buttonHeight);
}

// --- export

void TfrmReportView::btnCopyAllClick() {
  popmExport->popup(QCursor::pos());
}

void TfrmReportView::SetControlsShown(bool shown) {
  for (TChartView* chart : {chartIncomeExpenses, charExpensesByCategory, chartTrends, ChartCompare})
    for (QWidget* row : chart->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
      if (row != chart->viewport() && row->layout() != nullptr) row->setVisible(shown);
}

QImage TfrmReportView::ChartsImage() {
  SetControlsShown(false);
  const auto restore = qScopeGuard([this] { SetControlsShown(true); });
  const QRect first = chartIncomeExpenses->geometry(), second = charExpensesByCategory->geometry(),
              third = chartTrends->geometry();
  QImage image(first.width() + second.width() + 40, first.height() + third.height() + 40,
               QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  for (TChartView* chart :
       {chartIncomeExpenses, charExpensesByCategory, chartTrends, ChartCompare}) {
    chart->Redraw();
    const QRect at = chart->geometry();
    const QRect source(2, 2, at.width() - 4, at.height() - 4);
    painter.drawPixmap(QRect(at.left() + 12, at.top() + 12, at.width() - 4, at.height() - 4),
                       chart->grab(source));
  }
  return image;
}

void TfrmReportView::menuitemAsoneimageClick() {
  const auto chosen = Dialogs_.ChooseSaveFile(this, QStringLiteral("Save the charts as one image"),
                                              {kImageFilters[0], kImageFilters[1]}, 1);
  if (!chosen) return;
  const int kind = chosen->FilterIndex == 2 ? 1 : 0;
  const QString path = QString::fromStdString(
      ChartImageFileName(chosen->Path.toStdString(), kImageExtensions[kind]));
  if (!ChartsImage().save(path, kImageFormats[kind]))
    Dialogs_.Warn(this, QStringLiteral("Warning"),
                  QStringLiteral("The image could not be saved as \"%1\". Choose a folder you "
                                 "can write to and try again.")
                      .arg(path));
}

void TfrmReportView::menuitemtoClipboardasimageClick() {
  QGuiApplication::clipboard()->setImage(ChartsImage());
}

void TfrmReportView::btnMoreClick() {
  TfrmMoreReports chooser(Global_, DesktopReportWindowDialogs(), this);
  Dialogs_.Exec(chooser);
}

}  // namespace tf

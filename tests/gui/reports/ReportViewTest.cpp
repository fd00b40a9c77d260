// The reports page on a small data set: the four charts after a visit, the
// account ticks, the drill-downs of both pies by slice and by legend and
// back, the collapsing account list, and the charts saved as one image.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QImageReader>
#include <QLegend>
#include <QLegendMarker>
#include <QListWidget>
#include <QMouseEvent>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "WorkspaceGuiSupport.h"
#include "gui/app/MainPages.h"
#include "gui/reports/ChartView.h"
#include "gui/reports/FrmReportView.h"

using namespace tf;
using namespace tf::test;

namespace {

QStringList Labels(const TChartSeriesView& series) {
  QStringList labels;
  for (int i = 0; i < series.Count(); ++i)
    labels << series.Label(i) + "=" + QString::number(series.Value(i));
  return labels;
}

// The drawn slice of the chart's active pie with this label.
QPieSlice* Slice(TChartView& chart, const TChartSeriesView& pie, const QString& label) {
  chart.Redraw();
  const int point = pie.IndexOfLabel(label);
  for (QAbstractSeries* drawn : chart.chart()->series())
    if (auto* slices = qobject_cast<QPieSeries*>(drawn))
      for (QPieSlice* slice : slices->slices())
        if (slice->property("point").toInt() == point) return slice;
  return nullptr;
}

// The legend entry whose text ends with the label ("12.5 % Food").
QLegendMarker* Entry(TChartView& chart, const QString& label) {
  chart.Redraw();
  for (QLegendMarker* marker : chart.chart()->legend()->markers())
    if (marker->property("shown").toBool() && marker->label().endsWith(" " + label)) return marker;
  return nullptr;
}

}  // namespace

class ReportViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TWorkspaceContext> Context_;
  std::unique_ptr<TfrmReportView> View_;
  TAccount* Cheque_ = nullptr;
  TAccount* Card_ = nullptr;

  TfrmReportView& View() { return *View_; }

 private slots:
  void init() {
    Context_ = std::make_unique<TWorkspaceContext>();
    Cheque_ = AddAccount("Cheque", "{A}");
    Card_ = AddAccount("Card", "{B}");
    AddTransaction(*Cheque_, "05 Feb 2026", "Pay", 1000, "Income - paycheck", ttIncome);
    AddTransaction(*Cheque_, "06 Feb 2026", "Shop", -100, "Food - groceries");
    AddTransaction(*Card_, "07 Feb 2026", "Cafe", -40, "Food - dining out");
    AddTransaction(*Cheque_, "01 Mar 2026", "Pay", 1200, "Income - paycheck", ttIncome);
    AddTransaction(*Cheque_, "02 Mar 2026", "Shop", -300, "Food - groceries");
    AddTransaction(*Card_, "03 Mar 2026", "Cafe", -60, "Food - dining out");
    AddTransaction(*Card_, "04 Mar 2026", "Fuel", -90, "Transport - fuel");
    AddTransaction(*Cheque_, "05 Mar 2026", "Cash", -25, "");
    Global().Categories.SetLinesText(
        "Food - dining out\nFood - groceries\nIncome - paycheck\nTransport - fuel\n");
    Global().ClearMonthIndex();
    View_ = std::make_unique<TfrmReportView>(Global(), Context_->Dialogs, nullptr,
                                             [] { return EncodeDate(2026, 3, 10) + 0.5; });
    View_->resize(1000, 700);
    View_->show();
    QVERIFY(QTest::qWaitForWindowExposed(View_.get()));
    View_->ShowReports();
  }
  void cleanup() {
    View_.reset();
    Context_.reset();
  }

  void aVisitTicksEveryAccountAndDrawsTheFourCharts() {
    QCOMPARE(View().lbxAccounts->count(), 2);
    QVERIFY(View().IsAccountSelected(*Cheque_) && View().IsAccountSelected(*Card_));
    QCOMPARE(View().chartIncomeExpenses->Title(), QString("Income vs. Expenses"));
    QCOMPARE(Labels(*View().barseriesExpenses),
             QStringList({"Jan 2026=0", "Feb 2026=140", "Mar 2026=475"}));
    QCOMPARE(Labels(*View().barseriesIncome),
             QStringList({"Jan 2026=0", "Feb 2026=1000", "Mar 2026=1200"}));
    QCOMPARE(Labels(*View().pieseriesSpendingByCategory),
             QStringList({"Food=360", "Transport=90", "n/a=25"}));
    QCOMPARE(Labels(*View().lineseriesIncome), QStringList({"Feb=1000", "Mar=1200"}));
    QCOMPARE(View().ChartCompare->Title(), QString("February 2026 vs March 2026"));
    QCOMPARE(View().lineCompareCurrentIncome->Count(), 10);  // up to today, the 10th
    QCOMPARE(View().lineCompareCurrentIncome->Title(), QString("Income for Mar"));
    // The bar marks read as the pattern makes them.
    QVERIFY(View().chartIncomeExpenses->MarkTexts().contains("1,200"));
  }

  void untickingAnAccountChangesTheSums() {
    View().lbxAccounts->item(1)->setCheckState(Qt::Unchecked);  // Card
    QVERIFY(!View().IsAccountSelected(*Card_));
    QCOMPARE(Labels(*View().barseriesExpenses),
             QStringList({"Jan 2026=0", "Feb 2026=100", "Mar 2026=325"}));
    QCOMPARE(Labels(*View().pieseriesSpendingByCategory), QStringList({"Food=300", "n/a=25"}));
    View().ShowReports();  // the next visit ticks every account again
    QVERIFY(View().IsAccountSelected(*Card_));
    QCOMPARE(View().barseriesExpenses->Value(2), 475.0);
  }

  void sliceClicksDrillIntoTheFirstPieAndBack() {
    View().chkShowPie->click();
    TChartView& chart = *View().chartIncomeExpenses;
    QVERIFY(View().pieIncomeVsExpenses->Active() && !View().barseriesIncome->Active());
    QCOMPARE(chart.Title(), QString("Income vs. Expenses (March 2026)"));
    QCOMPARE(Labels(*View().pieIncomeVsExpenses), QStringList({"Income=1200", "Expense=475"}));

    emit Slice(chart, *View().pieIncomeVsExpenses, "Expense")->clicked();
    QTRY_VERIFY(View().pieIncomeVsExpensesMainCat->Active());
    QVERIFY(!View().pieIncomeVsExpenses->Active());
    QCOMPARE(chart.Title(), QString("Income vs. Expenses (Expenses)"));
    QCOMPARE(Labels(*View().pieIncomeVsExpensesMainCat),
             QStringList({"Food=360", "Transport=90", "n/a=25"}));

    emit Slice(chart, *View().pieIncomeVsExpensesMainCat, "Food")->clicked();
    QTRY_COMPARE(chart.Title(), QString("Income vs. Expenses (Expenses - Food)"));
    QCOMPARE(Labels(*View().pieIncomeVsExpensesMainCat),
             QStringList({"dining out=60", "groceries=300"}));

    emit Slice(chart, *View().pieIncomeVsExpensesMainCat, "groceries")->clicked();
    QTRY_VERIFY(View().pieIncomeVsExpenses->Active());
    QCOMPARE(chart.Title(), QString("Income vs. Expenses (March 2026)"));
  }

  void legendClicksDrillDownUntilTheSubLevel() {
    View().chkShowPie->click();
    TChartView& chart = *View().chartIncomeExpenses;
    QCOMPARE(chart.LegendTexts(), QStringList({"71.6 % Income", "28.4 % Expense"}));
    emit Entry(chart, "Income")->clicked();
    QTRY_COMPARE(chart.Title(), QString("Income vs. Expenses (Income)"));
    QCOMPARE(chart.Tag(), QString("Income"));
    emit Entry(chart, "Income")->clicked();
    QTRY_COMPARE(chart.Title(), QString("Income vs. Expenses (Income - Income)"));
    QCOMPARE(Labels(*View().pieIncomeVsExpensesMainCat), QStringList({"paycheck=1200"}));
    // At the sub level the legend no longer answers.
    QVERIFY(!chart.LegendClickArmed());
    // Any rebuild goes back to the top.
    View().btnNextMonthIncomeVsExpenses->click();
    QVERIFY(View().pieIncomeVsExpenses->Active());
    QCOMPARE(chart.Title(), QString("Income vs. Expenses (April 2026)"));
    QVERIFY(chart.LegendClickArmed());
  }

  void theUntickedDateCoversAllTransactions() {
    View().chkShowPie->click();
    View().chkIncomeVsExpensesMonth->setChecked(false);
    QCOMPARE(View().chartIncomeExpenses->Title(),
             QString("Income vs. Expenses (all transactions)"));
    QCOMPARE(Labels(*View().pieIncomeVsExpenses), QStringList({"Income=2200", "Expense=615"}));
    View().chkSpendingMonth->setChecked(false);
    QCOMPARE(Labels(*View().pieseriesSpendingByCategory),
             QStringList({"Food=500", "Transport=90", "n/a=25"}));
  }

  void spendingPieDrillsIntoSubCategoriesByMonth() {
    View().chkSpendingMonth->setChecked(false);  // all transactions at the main level
    TChartView& chart = *View().charExpensesByCategory;
    emit Slice(chart, *View().pieseriesSpendingByCategory, "Food")->clicked();
    QTRY_VERIFY(View().pieseriesSubcategories->Active());
    QCOMPARE(chart.Title(), QString("Spending by Category (Food)"));
    // The drill-down still covers the picker's month only.
    QCOMPARE(Labels(*View().pieseriesSubcategories),
             QStringList({"dining out=60", "groceries=300"}));
    emit Slice(chart, *View().pieseriesSubcategories, "groceries")->clicked();
    QTRY_VERIFY(View().pieseriesSpendingByCategory->Active());
    QCOMPARE(chart.Title(), QString("Spending by Category"));

    emit Entry(chart, "Transport")->clicked();
    QTRY_COMPARE(chart.Title(), QString("Spending by Category (Transport)"));
    QCOMPARE(Labels(*View().pieseriesSubcategories), QStringList({"fuel=90"}));
  }

  void monthButtonsMoveTheirPickerAndRedrawEveryChart() {
    View().btnPreviousMonthIncomeVsExpenses->click();
    QCOMPARE(Labels(*View().barseriesExpenses),
             QStringList({"Dec 2025=0", "Jan 2026=0", "Feb 2026=140"}));
    View().btnPreviousMonth->click();
    QCOMPARE(View().ChartCompare->Title(), QString("January 2026 vs February 2026"));
    QCOMPARE(View().lineCompareCurrentExpenses->Count(), 28);  // not today: the whole month
    View().btnIceberg->click();
    QCOMPARE(View().chartTrends->BarLayout(), TBarLayout::SideBySide);
    QCOMPARE(View().lineseriesExpenses->Value(1), 475.0);
    View().btnNextMonthTrend->click();  // 2027 starts a year back in March 2026
    QCOMPARE(Labels(*View().lineseriesIncome), QStringList({"Mar=1200"}));
  }

  void theAccountListOpensUpwardAndCloses() {
    QListWidget& list = *View().lbxAccounts;
    QCOMPARE(list.height(), 22);
    const int bottom = list.geometry().bottom();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(list.viewport(), &move);
    QVERIFY(list.height() > 22);
    QCOMPARE(list.geometry().bottom(), bottom);
    QVERIFY(View().timerMouseCheck->isActive());
    // The pointer is elsewhere: the next tick closes the list.
    QCursor::setPos(View().mapToGlobal(QPoint(900, 10)));
    View().timerMouseCheckTimer();
    QCOMPARE(list.height(), 22);
    QVERIFY(!View().timerMouseCheck->isActive());
  }

  void theChartsAreSavedAsOneBitmapOrPng() {
    QTemporaryDir folder;
    Context_->Script->SaveFiles.push_back(TChosenFile{folder.filePath("charts"), 1});
    Context_->Script->SaveFiles.push_back(TChosenFile{folder.filePath("charts.PNG"), 2});
    View().menuitemAsoneimageClick();
    View().menuitemAsoneimageClick();
    const QSize expected(
        View().chartIncomeExpenses->width() + View().charExpensesByCategory->width() + 40,
        View().chartIncomeExpenses->height() + View().chartTrends->height() + 40);
    for (const auto& [name, format] : {std::pair{"charts.bmp", "bmp"}, {"charts.PNG", "png"}}) {
      QImageReader reader(folder.filePath(name));
      QCOMPARE(reader.format(), QByteArray(format));
      const QImage image = reader.read();
      QVERIFY2(!image.isNull(), name);
      QCOMPARE(image.size(), expected);
      // The margin is white; the chart area is not all white.
      QCOMPARE(image.pixelColor(3, 3), QColor(Qt::white));
      QVERIFY(image.copy(12, 12, 200, 200) != QImage(200, 200, image.format()));
    }
    QVERIFY(View().chkShowPie->isVisibleTo(&View()));  // the controls are back
    QCOMPARE(Context_->Script->FileInitialFilters.size(), std::size_t(2));
  }

  void aFailedSaveIsReported() {
    Context_->Script->SaveFiles.push_back(TChosenFile{"/no/such/folder/charts", 1});
    View().menuitemAsoneimageClick();
    QCOMPARE(Context_->Script->Asked.size(), std::size_t(1));
    QVERIFY(Context_->Script->Asked[0].contains("/no/such/folder/charts.bmp"));
    QVERIFY(View().chkShowPie->isVisibleTo(&View()));
  }

  void theClipboardGetsTheImage() {
    QGuiApplication::clipboard()->clear();
    View().menuitemtoClipboardasimageClick();
    const QImage image = QGuiApplication::clipboard()->image();
    QCOMPARE(image.width(), View().chartIncomeExpenses->width() * 2 + 40);
  }

  void theReportsTabHostsThePageAndRefreshesIt() {
    QWidget tab;
    const TWorkspacePage page = DefaultMainPages(Global()).Reports(&tab);
    auto* view = qobject_cast<TfrmReportView*>(page.Widget);
    QVERIFY(view != nullptr);
    QVERIFY(page.Refresh);
    page.Refresh();
    QCOMPARE(view->lbxAccounts->count(), 2);
    QCOMPARE(view->barseriesExpenses->Count(), 3);
  }

  void moreReportsOpensItsWindow() {
    QString title;
    Context_->Script->ExecDialog = [&title](QDialog& dialog) {
      title = dialog.windowTitle();
      return int(QDialog::Accepted);
    };
    View().btnMore->click();
    QCOMPARE(title, QString("More Reports"));
  }
};

TF_GUI_TEST_MAIN(ReportViewTest)
#include "ReportViewTest.moc"

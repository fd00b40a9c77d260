// The chart component on its own: what it draws of active and inactive
// series, point colours, marks and legend texts in their patterns, the
// click events of slices, bars and legend entries, the wheel, and images.
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QLegend>
#include <QLegendMarker>
#include <QPieSeries>
#include <QPieSlice>
#include <QSignalSpy>
#include <QStackedBarSeries>
#include <QTest>
#include <QWheelEvent>

#include "GuiTestSupport.h"
#include "gui/reports/ChartView.h"
#include "reports/ChartSeries.h"

using namespace tf;

namespace {

template <typename T>
QList<T*> Drawn(TChartView& chart) {
  chart.Redraw();
  QList<T*> found;
  for (QAbstractSeries* series : chart.chart()->series())
    if (auto* typed = qobject_cast<T*>(series)) found << typed;
  return found;
}

}  // namespace

class ChartViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TChartView> Chart_;
  TChartView& Chart() { return *Chart_; }

 private slots:
  void init() {
    Chart_ = std::make_unique<TChartView>();
    Chart_->resize(500, 350);
  }
  void cleanup() { Chart_.reset(); }

  void onlyActiveSeriesAreDrawn() {
    TChartSeriesView* bars = Chart().AddSeries(TSeriesKind::Bar, "Income");
    TChartSeriesView* pie = Chart().AddSeries(TSeriesKind::Pie, "Pie");
    bars->AddPoint(5, "Jan");
    pie->AddPoint(3, "A");
    pie->SetActive(false);
    QCOMPARE(Drawn<QPieSeries>(Chart()).size(), 0);
    QCOMPARE(Drawn<QBarSeries>(Chart()).size(), 1);
    bars->SetActive(false);
    pie->SetActive(true);
    QCOMPARE(Drawn<QBarSeries>(Chart()).size(), 0);
    QCOMPARE(Drawn<QPieSeries>(Chart()).size(), 1);
    QCOMPARE(pie->Count(), 1);  // inactive series keep their points
    QCOMPARE(bars->Label(0), QString("Jan"));
  }

  void slicesTakeTheirColourOrTheDefaultOne() {
    TChartSeriesView* pie = Chart().AddSeries(TSeriesKind::Pie, "Pie");
    TChartSeries computed{"x", {{"A", 2, 0x0080FF}, {"B", 1, std::nullopt}}};
    pie->AddPoints(computed);
    QCOMPARE(pie->PointColour(0), QColor(0x0080FF));
    QCOMPARE(pie->PointColour(1), pie->DefaultColour(1));
    pie->SetPointColour(1, Qt::red);
    const QList<QPieSlice*> slices = Drawn<QPieSeries>(Chart()).at(0)->slices();
    QCOMPARE(slices.at(0)->color(), QColor(0x0080FF));
    QCOMPARE(slices.at(1)->color(), QColor(Qt::red));
  }

  void marksAndLegendFollowTheirStylesAndPatterns() {
    Chart().SetNumberSeparators({" ", ","});
    TChartSeriesView* pie = Chart().AddSeries(TSeriesKind::Pie, "Pie");
    pie->SetMarks(true, TMarksStyle::LabelAndValue, "###,###,###,##0");
    pie->AddPoint(1234.6, "Food");
    pie->AddPoint(411.5, "Fuel");
    Chart().SetLegendStyle(TLegendStyle::ValueBeforeLabel);
    QCOMPARE(Chart().MarkTexts(), QStringList({"Food 1 235", "Fuel 412"}));
    QCOMPARE(Chart().LegendTexts(), QStringList({"1 235 Food", "412 Fuel"}));
    Chart().SetLegendStyle(TLegendStyle::PercentBeforeLabel);
    QCOMPARE(Chart().LegendTexts(), QStringList({"75 % Food", "25 % Fuel"}));
    pie->SetMarks(true, TMarksStyle::LabelAndPercent);
    pie->SetPercentFormat("(##0.# %)");
    QCOMPARE(Chart().MarkTexts(), QStringList({"Food (75 %)", "Fuel (25 %)"}));
    Chart().SetMarkText([](const TChartSeriesView&, int index, const QString& text) {
      return index == 0 ? QString() : text + "!";
    });
    QCOMPARE(Chart().MarkTexts(), QStringList({"", "Fuel (25 %)!"}));
  }

  void barMarksShowTheValuesInThePattern() {
    TChartSeriesView* bars = Chart().AddSeries(TSeriesKind::Bar, "Income");
    bars->SetMarks(true, TMarksStyle::Value, "#,##0");
    bars->AddPoint(12345.4, "Jan");
    bars->AddPoint(-7, "Feb");
    QCOMPARE(Chart().MarkTexts(), QStringList({"12,345", "-7"}));
    bars->SetMarks(false);
    QCOMPARE(Chart().MarkTexts(), QStringList());
  }

  void smallSlicesAreGroupedAsOther() {
    TChartSeriesView* pie = Chart().AddSeries(TSeriesKind::Pie, "Pie");
    for (const auto& [label, value] : {std::pair{"Big", 90.0}, {"a", 4.0}, {"b", 3.0}, {"c", 3.0}})
      pie->AddPoint(value, label);
    pie->SetOtherSlicePercent(5);
    const QList<QPieSlice*> slices = Drawn<QPieSeries>(Chart()).at(0)->slices();
    QCOMPARE(slices.size(), 2);
    QCOMPARE(slices.at(1)->value(), 10.0);
    QVERIFY(slices.at(1)->label().startsWith("Other"));
  }

  void theBiggestSliceIsExploded() {
    TChartSeriesView* pie = Chart().AddSeries(TSeriesKind::Pie, "Pie");
    pie->AddPoint(1, "a");
    pie->AddPoint(5, "b");
    pie->SetExplodeBiggest(5);
    const QList<QPieSlice*> slices = Drawn<QPieSeries>(Chart()).at(0)->slices();
    QVERIFY(!slices.at(0)->isExploded());
    QVERIFY(slices.at(1)->isExploded());
    QCOMPARE(slices.at(1)->explodeDistanceFactor(), 0.05);
  }

  void clicksReportThePointAndTheLegendEntry() {
    TChartSeriesView* pie = Chart().AddSeries(TSeriesKind::Pie, "Pie");
    pie->AddPoint(1, "a");
    pie->AddPoint(3, "b");
    QSignalSpy points(pie, &TChartSeriesView::pointClicked);
    QSignalSpy legend(&Chart(), &TChartView::legendClicked);
    emit Drawn<QPieSeries>(Chart()).at(0)->slices().at(1)->clicked();
    QTRY_COMPARE(points.size(), 1);
    QCOMPARE(points.at(0).at(0).toInt(), 1);

    Chart().SetLegendStyle(TLegendStyle::PercentBeforeLabel);
    Chart().Redraw();
    emit Chart().chart()->legend()->markers().at(1)->clicked();  // disarmed
    Chart().SetLegendClickArmed(true);
    emit Chart().chart()->legend()->markers().at(1)->clicked();
    QTRY_COMPARE(legend.size(), 1);
    QCOMPARE(legend.at(0).at(0).toInt(), 1);
    QCOMPARE(legend.at(0).at(1).toString(), QString("75 % b"));
  }

  void barsSideBySideOrAtOnePositionWithClicks() {
    TChartSeriesView* income = Chart().AddSeries(TSeriesKind::Bar, "Income");
    TChartSeriesView* expenses = Chart().AddSeries(TSeriesKind::Bar, "Expenses");
    for (const char* month : {"Dec", "Jan", "Dec"}) {
      income->AddPoint(10, month);
      expenses->AddPoint(-4, month);
    }
    QCOMPARE(Drawn<QBarSeries>(Chart()).size(), 1);
    Chart().SetBarLayout(TBarLayout::SamePosition);
    const QList<QStackedBarSeries*> stacked = Drawn<QStackedBarSeries>(Chart());
    QCOMPARE(stacked.size(), 1);
    QCOMPARE(stacked.at(0)->count(), 2);
    // Both Decembers keep their place on the axis.
    auto* axis = qobject_cast<QBarCategoryAxis*>(Chart().chart()->axes(Qt::Horizontal).at(0));
    QVERIFY(axis != nullptr);
    QCOMPARE(axis->count(), 3);
    QSignalSpy clicks(expenses, &TChartSeriesView::pointClicked);
    emit stacked.at(0)->barSets().at(1)->clicked(2);
    QTRY_COMPARE(clicks.size(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), 2);
  }

  void barsWithTheirOwnColoursKeepThem() {
    TChartSeriesView* bars = Chart().AddSeries(TSeriesKind::Bar, "Spend");
    bars->AddPoint(5, "Fuel", Qt::red);
    bars->AddPoint(7, "Food", Qt::blue);
    bars->AddPoint(2, "Rent", Qt::red);
    const QList<QStackedBarSeries*> stacked = Drawn<QStackedBarSeries>(Chart());
    QCOMPARE(stacked.size(), 1);
    QCOMPARE(stacked.at(0)->count(), 2);  // one set per colour
    QBarSet* red = stacked.at(0)->barSets().at(0);
    QCOMPARE(red->color(), QColor(Qt::red));
    QCOMPARE(red->at(0), 5.0);
    QCOMPARE(red->at(1), 0.0);
    QCOMPARE(red->at(2), 2.0);
  }

  void barsTakeTheirOutlineOrADarkerFill() {
    TChartSeriesView* first = Chart().AddSeries(TSeriesKind::Bar, "Mar 2026");
    TChartSeriesView* second = Chart().AddSeries(TSeriesKind::Bar, "Apr 2026");
    first->SetColour(QColor(0xA4, 0xC5, 0xD9));
    first->SetOutlineColour(QColor(0x00, 0x80, 0xFF));
    second->SetColour(QColor(0xD5, 0xD5, 0xEA));
    first->AddPoint(10, "Food");
    second->AddPoint(12, "Food");
    const QList<QBarSeries*> drawn = Drawn<QBarSeries>(Chart());
    QCOMPARE(drawn.size(), 1);
    QCOMPARE(drawn.at(0)->barSets().at(0)->borderColor(), QColor(0x00, 0x80, 0xFF));
    QCOMPARE(drawn.at(0)->barSets().at(1)->borderColor(), QColor(0xD5, 0xD5, 0xEA).darker(130));
  }

  void theWheelIsSwallowedWhenHandled() {
    int asked = 0;
    connect(&Chart(), &TChartView::mouseWheel, this, [&asked](bool* handled) {
      ++asked;
      *handled = true;
    });
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(Chart().viewport(), &wheel);
    QCOMPARE(asked, 1);
    QVERIFY(wheel.isAccepted());
  }

  void theClientAreaBecomesAnImage() {
    Chart().SetTitle("Line one\nLine two");
    Chart().AddSeries(TSeriesKind::Line, "Line")->AddPoint(3, "01");
    const QImage image = Chart().ClientImage();
    QCOMPARE(image.size(), Chart().size());
    QCOMPARE(Chart().Title(), QString("Line one\nLine two"));
  }
};

TF_GUI_TEST_MAIN(ChartViewTest)
#include "ChartViewTest.moc"

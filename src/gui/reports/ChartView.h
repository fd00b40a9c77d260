// The chart component of the reports, a thin layer of our own over Qt
// Charts: a title, a legend (shown or hidden, at the right, bottom or left,
// entries as series titles, value before label or percentage before label)
// with a click event, bar, line and pie series (TChartSeriesView) with their
// marks and click events, the wheel that a report may swallow, and the
// chart's client area as an image. The reports change series; the chart
// draws the active ones anew whenever something changed.
#pragma once

#include <QChartView>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

#include "gui/reports/ChartSeriesView.h"
#include "reports/ChartNumberFormat.h"

class QAbstractAxis;
class QAbstractBarSeries;
class QGraphicsItem;
class QLegendMarker;

namespace tf {

enum class TLegendPosition { Right, Bottom, Left };
// The text of a legend entry: the series' title, or per point of a pie its
// value or its percentage (followed by " %") before its label.
enum class TLegendStyle { SeriesTitles, ValueBeforeLabel, PercentBeforeLabel };
// Several bar series: side by side, or all at the same x position (positive
// values stacked upward, negative ones downward).
enum class TBarLayout { SideBySide, SamePosition };

class TChartView : public QChartView {
  Q_OBJECT

 public:
  // Turns a point's mark text (as the marks style made it) into the text
  // shown; an empty result shows no mark.
  using TMarkText =
      std::function<QString(const TChartSeriesView& series, int index, const QString& text)>;

  explicit TChartView(QWidget* parent = nullptr);
  ~TChartView() override;

  // A new series, active, drawn after the ones added before.
  TChartSeriesView* AddSeries(TSeriesKind kind, const QString& title);
  const std::vector<TChartSeriesView*>& AllSeries() const { return Series_; }

  // Lines are separated by "\n".
  void SetTitle(const QString& title);
  QString Title() const;

  void SetLegendVisible(bool visible);
  bool LegendVisible() const { return LegendVisible_; }
  void SetLegendPosition(TLegendPosition position);
  TLegendPosition LegendPosition() const { return LegendPosition_; }
  void SetLegendStyle(TLegendStyle style);
  TLegendStyle LegendStyle() const { return LegendStyle_; }
  // The entries listed from the last to the first.
  void SetLegendReversed(bool reversed);
  // An armed legend sends legendClicked; a disarmed one ignores clicks.
  void SetLegendClickArmed(bool armed) { LegendClickArmed_ = armed; }
  bool LegendClickArmed() const { return LegendClickArmed_; }
  // The legend's entries as displayed, in legend order.
  QStringList LegendTexts();

  void SetBarLayout(TBarLayout layout);
  TBarLayout BarLayout() const { return BarLayout_; }
  // Bars along the vertical axis instead of the horizontal one.
  void SetHorizontalBars(bool horizontal);
  // Rubber-band zoom, wheel scrolling and animations; off from the start.
  void SetZoomable(bool zoomable);
  bool Zoomable() const { return Zoomable_; }
  // The frame around the plot area.
  void SetBackWallBorder(bool visible);
  // Number patterns of marks and axes read these separators.
  void SetNumberSeparators(const TChartSeparators& separators);
  // The pattern of the value axis labels.
  void SetAxisFormat(const QString& format);
  // Marks of every series pass through this, when set.
  void SetMarkText(TMarkText markText);
  // A free text for the report's own use.
  void SetTag(const QString& tag) { Tag_ = tag; }
  QString Tag() const { return Tag_; }

  // Draws the series now if anything changed since the last drawing; the
  // chart also does so by itself on the next pass of the event loop.
  void Redraw();
  // The client area as a bitmap, and painted onto a canvas.
  QImage ClientImage();
  void PaintClient(QPainter& painter, const QRectF& target, const QRect& source);
  void CopyToClipboard();
  // The mark texts drawn, series by series in drawing order (for checks).
  QStringList MarkTexts();

 signals:
  // A click on the legend entry `entry` whose text is shown as `text`.
  void legendClicked(int entry, const QString& text);
  // The mouse wheel turned over the chart; setting *handled swallows it.
  void mouseWheel(bool* handled);

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void SeriesChanged();
  void ClearDrawing();
  void DrawPie(TChartSeriesView& series, int position, int count);
  void DrawBarsAndLines(const std::vector<TChartSeriesView*>& bars,
                        const std::vector<TChartSeriesView*>& lines);
  QAbstractBarSeries* NewBarContainer(bool stacked) const;
  void AddBarSets(QAbstractBarSeries& container, TChartSeriesView& series, int count,
                  bool byPointColour);
  void AttachAxes(const QStringList& categories, double low, double high, bool barsShown);
  void DrawLine(TChartSeriesView& series, int count);
  void UpdateLegend();
  void ConnectMarker(QLegendMarker* marker);
  void PlaceMarks();
  QString MarkText(const TChartSeriesView& series, int index) const;
  QString Number(double value, const QString& format) const;

  std::vector<TChartSeriesView*> Series_;
  bool Dirty_ = true;
  bool RedrawQueued_ = false;
  bool LegendVisible_ = true;
  TLegendPosition LegendPosition_ = TLegendPosition::Bottom;
  TLegendStyle LegendStyle_ = TLegendStyle::SeriesTitles;
  bool LegendClickArmed_ = false;
  TBarLayout BarLayout_ = TBarLayout::SideBySide;
  bool Horizontal_ = false;
  bool Zoomable_ = false;
  TChartSeparators Separators_;
  QString AxisFormat_ = "###,###,###,##0";
  TMarkText MarkText_;
  QString Tag_;

  // What the last drawing made, for marks and clicks.
  struct TBarMark {
    TChartSeriesView* Series;
    int Index;
    double Base;  // where the bar starts (stacked bars)
    int Slot, Slots;
  };
  std::vector<TBarMark> BarMarks_;
  QAbstractBarSeries* BarContainer_ = nullptr;
  std::vector<QGraphicsItem*> MarkItems_;
};

}  // namespace tf

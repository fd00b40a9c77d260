// One series of a report chart as the reports see it: its kind, whether it
// is shown, its points (value, label, colour), title, identifier, colours,
// marks and click event. The chart (TChartView) draws the active series on
// Qt Charts and rebuilds that drawing whenever a series changes.
#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <optional>
#include <vector>

namespace tf {

struct TChartSeries;

enum class TSeriesKind { Bar, Line, Pie };

// What a point's mark shows. The percentage is of the series' total.
enum class TMarksStyle { Value, LabelAndValue, LabelAndPercent };

class TChartSeriesView : public QObject {
  Q_OBJECT

 public:
  struct TPoint {
    double Value = 0;
    QString Label;
    std::optional<QColor> Colour;  // none: the default colour
  };

  TChartSeriesView(TSeriesKind kind, const QString& title, QObject* parent = nullptr);

  TSeriesKind Kind() const { return Kind_; }
  // An inactive series is kept with its points but not drawn.
  void SetActive(bool active);
  bool Active() const { return Active_; }

  void Clear();
  void AddPoint(double value, const QString& label);
  void AddPoint(double value, const QString& label, const QColor& colour);
  // Every point of a computed series, with its colour where it has one.
  void AddPoints(const TChartSeries& series);
  int Count() const { return static_cast<int>(Points_.size()); }
  const TPoint& Point(int index) const { return Points_.at(index); }
  QString Label(int index) const { return Point(index).Label; }
  double Value(int index) const { return Point(index).Value; }
  // The colour the point is drawn in: its own, else the default one.
  QColor PointColour(int index) const;
  void SetPointColour(int index, const QColor& colour);
  // The first point with this label, or -1.
  int IndexOfLabel(const QString& label) const;

  void SetTitle(const QString& title);
  QString Title() const { return Title_; }
  // A free text for the report's own use.
  void SetIdentifier(const QString& identifier) { Identifier_ = identifier; }
  QString Identifier() const { return Identifier_; }

  // Bars and lines: the colour of every point without one of its own.
  void SetColour(const QColor& colour);
  QColor Colour() const { return Colour_; }
  // Bars: the outline; without one, a darker shade of the fill.
  void SetOutlineColour(const std::optional<QColor>& colour);
  std::optional<QColor> OutlineColour() const { return Outline_; }
  // The colour of a pie slice or bar that has none of its own.
  QColor DefaultColour(int index) const;
  void SetShownInLegend(bool shown);
  bool ShownInLegend() const { return ShownInLegend_; }

  // Marks: shown or hidden, their content and the number pattern of values
  // (such as "###,###,###,##0"); percentages use the percent pattern.
  void SetMarks(bool visible, TMarksStyle style = TMarksStyle::Value,
                const QString& valueFormat = "###,###,###,##0");
  bool MarksVisible() const { return MarksVisible_; }
  TMarksStyle MarksStyle() const { return MarksStyle_; }
  QString ValueFormat() const { return ValueFormat_; }
  void SetPercentFormat(const QString& format);
  QString PercentFormat() const { return PercentFormat_; }
  // The box behind a bar's mark; none draws the mark without a box.
  void SetMarksBox(const std::optional<QColor>& colour);
  std::optional<QColor> MarksBox() const { return MarksBox_; }
  void SetMarksBold(bool bold);
  bool MarksBold() const { return MarksBold_; }

  // Lines: the pen width and whether each point is drawn as a marker.
  void SetPenWidth(int width);
  int PenWidth() const { return PenWidth_; }
  void SetPointsShown(bool shown);
  bool PointsShown() const { return PointsShown_; }

  // Pies: the biggest slice moved out by a percent of the radius, and
  // slices below a percent of the total drawn together as one "Other"
  // slice (0 keeps every slice).
  void SetExplodeBiggest(int percent);
  int ExplodeBiggest() const { return ExplodeBiggest_; }
  void SetOtherSlicePercent(double percent);
  double OtherSlicePercent() const { return OtherSlicePercent_; }

  // The sum of the values' magnitudes, what percentages are taken of.
  double Total() const;

 signals:
  // The point under a click (a slice, a bar or the nearest point of a line),
  // sent once the chart has finished handling the click, so that the
  // receiver may redraw the chart.
  void pointClicked(int index);
  // Anything drawn changed.
  void changed();

 private:
  void Changed() { emit changed(); }

  TSeriesKind Kind_;
  bool Active_ = true;
  std::vector<TPoint> Points_;
  QString Title_, Identifier_;
  QColor Colour_ = Qt::gray;
  std::optional<QColor> Outline_;
  bool ShownInLegend_ = true;
  bool MarksVisible_ = false;
  TMarksStyle MarksStyle_ = TMarksStyle::Value;
  QString ValueFormat_ = "###,###,###,##0";
  QString PercentFormat_ = "(##0.# %)";
  std::optional<QColor> MarksBox_;
  bool MarksBold_ = false;
  int PenWidth_ = 1;
  bool PointsShown_ = false;
  int ExplodeBiggest_ = 0;
  double OtherSlicePercent_ = 0;
};

}  // namespace tf

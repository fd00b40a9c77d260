#include "gui/reports/ChartSeriesView.h"

#include <cmath>

#include "reports/ChartSeries.h"

namespace tf {
namespace {

// Slices and bars without a colour of their own take these in turn.
const QColor kDefaultColours[] = {0x4F81BD, 0xC0504D, 0x9BBB59, 0x8064A2, 0x4BACC6,
                                  0xF79646, 0x2C4D75, 0x772C2A, 0x5F7530, 0x4D3B62};

QColor FromRgb(TColor colour) {
  return QColor(QRgb(colour));
}

}  // namespace

TChartSeriesView::TChartSeriesView(TSeriesKind kind, const QString& title, QObject* parent)
    : QObject(parent), Kind_(kind), Title_(title) {}

void TChartSeriesView::SetActive(bool active) {
  if (Active_ == active) return;
  Active_ = active;
  Changed();
}

void TChartSeriesView::Clear() {
  Points_.clear();
  Changed();
}

void TChartSeriesView::AddPoint(double value, const QString& label) {
  Points_.push_back({value, label, std::nullopt});
  Changed();
}

void TChartSeriesView::AddPoint(double value, const QString& label, const QColor& colour) {
  Points_.push_back({value, label, colour});
  Changed();
}

void TChartSeriesView::AddPoints(const TChartSeries& series) {
  for (const TChartPoint& point : series.Points) {
    std::optional<QColor> colour;
    if (point.Colour) colour = FromRgb(*point.Colour);
    Points_.push_back({point.Value, QString::fromStdString(point.Label), colour});
  }
  Changed();
}

QColor TChartSeriesView::PointColour(int index) const {
  const TPoint& point = Point(index);
  return point.Colour ? *point.Colour : DefaultColour(index);
}

QColor TChartSeriesView::DefaultColour(int index) const {
  if (Kind_ != TSeriesKind::Pie) return Colour_;
  return kDefaultColours[index % std::size(kDefaultColours)];
}

void TChartSeriesView::SetPointColour(int index, const QColor& colour) {
  Points_.at(index).Colour = colour;
  Changed();
}

int TChartSeriesView::IndexOfLabel(const QString& label) const {
  for (int i = 0; i < Count(); ++i)
    if (Points_[i].Label == label) return i;
  return -1;
}

void TChartSeriesView::SetTitle(const QString& title) {
  Title_ = title;
  Changed();
}

void TChartSeriesView::SetColour(const QColor& colour) {
  Colour_ = colour;
  Changed();
}

void TChartSeriesView::SetOutlineColour(const std::optional<QColor>& colour) {
  Outline_ = colour;
  Changed();
}

void TChartSeriesView::SetShownInLegend(bool shown) {
  ShownInLegend_ = shown;
  Changed();
}

void TChartSeriesView::SetMarks(bool visible, TMarksStyle style, const QString& valueFormat) {
  MarksVisible_ = visible;
  MarksStyle_ = style;
  ValueFormat_ = valueFormat;
  Changed();
}

void TChartSeriesView::SetPercentFormat(const QString& format) {
  PercentFormat_ = format;
  Changed();
}

void TChartSeriesView::SetMarksBox(const std::optional<QColor>& colour) {
  MarksBox_ = colour;
  Changed();
}

void TChartSeriesView::SetMarksBold(bool bold) {
  MarksBold_ = bold;
  Changed();
}

void TChartSeriesView::SetPenWidth(int width) {
  PenWidth_ = width;
  Changed();
}

void TChartSeriesView::SetPointsShown(bool shown) {
  PointsShown_ = shown;
  Changed();
}

void TChartSeriesView::SetExplodeBiggest(int percent) {
  ExplodeBiggest_ = percent;
  Changed();
}

void TChartSeriesView::SetOtherSlicePercent(double percent) {
  OtherSlicePercent_ = percent;
  Changed();
}

double TChartSeriesView::Total() const {
  double total = 0;
  for (const TPoint& point : Points_) total += std::fabs(point.Value);
  return total;
}

}  // namespace tf

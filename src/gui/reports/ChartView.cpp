#include "gui/reports/ChartView.h"

#include <QBarCategoryAxis>
#include <QBarLegendMarker>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QClipboard>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QGuiApplication>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPieLegendMarker>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedBarSeries>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace tf {
namespace {

const char* const kChartFont = "Trebuchet MS";
const QChar kInvisible(0x200B);  // zero width space: keeps repeated axis labels apart

QFont ChartFont(int points, bool bold = false) {
  QFont font(kChartFont, points);
  font.setBold(bold);
  return font;
}

// Axis categories must differ; a repeated label ("Dec" of two years) gets
// invisible characters after it.
QStringList DistinctLabels(const QStringList& labels) {
  QStringList distinct;
  std::set<QString> seen;
  for (QString label : labels) {
    while (!seen.insert(label).second) label += kInvisible;
    distinct << label;
  }
  return distinct;
}

// A step of 1, 2 or 5 times a power of ten giving about five intervals.
double NiceStep(double range) {
  const double rough = range / 5;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0})
    if (rough <= factor * power) return factor * power;
  return 10 * power;
}

bool ShowsDecimals(const QString& format) {
  return format.contains('.');
}

// A click is passed on once the chart's own handling of it has ended: the
// report may redraw the chart, which deletes the items that were clicked.
// A point that a redraw in between has taken away is not reported.
void ReportClickLater(TChartSeriesView& series, int index) {
  QMetaObject::invokeMethod(
      &series,
      [&series, index] {
        if (index >= 0 && index < series.Count()) emit series.pointClicked(index);
      },
      Qt::QueuedConnection);
}

}  // namespace

TChartView::TChartView(QWidget* parent) : QChartView(new QChart, parent) {
  setRenderHint(QPainter::Antialiasing);
  chart()->setAnimationOptions(QChart::NoAnimation);
  chart()->setTitleFont(ChartFont(10, true));
  chart()->legend()->setFont(ChartFont(8));
  chart()->setBackgroundRoundness(0);
  chart()->setMargins(QMargins(4, 4, 4, 4));
  setRubberBand(QChartView::NoRubberBand);
  connect(chart(), &QChart::plotAreaChanged, this, [this] { PlaceMarks(); });
  SetBackWallBorder(true);
  SetLegendPosition(LegendPosition_);
  UpdateLegend();
}

TChartView::~TChartView() = default;

TChartSeriesView* TChartView::AddSeries(TSeriesKind kind, const QString& title) {
  auto* series = new TChartSeriesView(kind, title, this);
  connect(series, &TChartSeriesView::changed, this, &TChartView::SeriesChanged);
  Series_.push_back(series);
  SeriesChanged();
  return series;
}

void TChartView::SetTitle(const QString& title) {
  chart()->setTitle(title);
}

QString TChartView::Title() const {
  return chart()->title();
}

void TChartView::SetLegendVisible(bool visible) {
  LegendVisible_ = visible;
  chart()->legend()->setVisible(visible);
}

void TChartView::SetLegendPosition(TLegendPosition position) {
  LegendPosition_ = position;
  const Qt::Alignment alignments[] = {Qt::AlignRight, Qt::AlignBottom, Qt::AlignLeft};
  chart()->legend()->setAlignment(alignments[static_cast<int>(position)]);
}

void TChartView::SetLegendStyle(TLegendStyle style) {
  LegendStyle_ = style;
  SeriesChanged();
}

void TChartView::SetLegendReversed(bool reversed) {
  chart()->legend()->setReverseMarkers(reversed);
}

void TChartView::SetBarLayout(TBarLayout layout) {
  BarLayout_ = layout;
  SeriesChanged();
}

void TChartView::SetHorizontalBars(bool horizontal) {
  Horizontal_ = horizontal;
  SeriesChanged();
}

void TChartView::SetZoomable(bool zoomable) {
  Zoomable_ = zoomable;
  setRubberBand(zoomable ? QChartView::RectangleRubberBand : QChartView::NoRubberBand);
  chart()->setAnimationOptions(zoomable ? QChart::SeriesAnimations : QChart::NoAnimation);
}

void TChartView::SetBackWallBorder(bool visible) {
  chart()->setPlotAreaBackgroundBrush(Qt::white);
  chart()->setPlotAreaBackgroundPen(visible ? QPen(Qt::gray) : QPen(Qt::NoPen));
}

void TChartView::SetNumberSeparators(const TChartSeparators& separators) {
  Separators_ = separators;
  SeriesChanged();
}

void TChartView::SetAxisFormat(const QString& format) {
  AxisFormat_ = format;
  SeriesChanged();
}

void TChartView::SetMarkText(TMarkText markText) {
  MarkText_ = std::move(markText);
  SeriesChanged();
}

// Many changes in a row are drawn once, on the next pass of the event loop
// (or earlier when someone asks for the drawing).
void TChartView::SeriesChanged() {
  Dirty_ = true;
  if (RedrawQueued_) return;
  RedrawQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    RedrawQueued_ = false;
    Redraw();
  });
}

void TChartView::Redraw() {
  if (!Dirty_) return;
  Dirty_ = false;
  ClearDrawing();
  std::vector<TChartSeriesView*> bars, lines, pies;
  for (TChartSeriesView* series : Series_) {
    if (!series->Active()) continue;
    if (series->Kind() == TSeriesKind::Pie)
      pies.push_back(series);
    else
      (series->Kind() == TSeriesKind::Bar ? bars : lines).push_back(series);
  }
  for (std::size_t i = 0; i < pies.size(); ++i)
    DrawPie(*pies[i], static_cast<int>(i), static_cast<int>(pies.size()));
  // The back wall belongs to charts with axes; a pie stands on the background.
  chart()->setPlotAreaBackgroundVisible(!bars.empty() || !lines.empty());
  if (!bars.empty() || !lines.empty()) DrawBarsAndLines(bars, lines);
  UpdateLegend();
  PlaceMarks();
}

void TChartView::ClearDrawing() {
  for (QGraphicsItem* item : MarkItems_) delete item;
  MarkItems_.clear();
  BarMarks_.clear();
  BarContainer_ = nullptr;
  chart()->removeAllSeries();
  for (QAbstractAxis* axis : chart()->axes()) {
    chart()->removeAxis(axis);
    delete axis;
  }
}

QString TChartView::Number(double value, const QString& format) const {
  return QString::fromStdString(FormatChartNumber(value, format.toStdString(), Separators_));
}

QString TChartView::MarkText(const TChartSeriesView& series, int index) const {
  const double value = series.Value(index);
  QString text;
  switch (series.MarksStyle()) {
    case TMarksStyle::Value:
      text = Number(value, series.ValueFormat());
      break;
    case TMarksStyle::LabelAndValue:
      text = series.Label(index) + " " + Number(value, series.ValueFormat());
      break;
    case TMarksStyle::LabelAndPercent: {
      const double total = series.Total();
      const double percent = total == 0 ? 0 : std::fabs(value) * 100 / total;
      text = series.Label(index) + " " + Number(percent, series.PercentFormat());
      break;
    }
  }
  return MarkText_ ? MarkText_(series, index, text) : text;
}

void TChartView::DrawPie(TChartSeriesView& series, int position, int count) {
  auto* pie = new QPieSeries;
  pie->setName(series.Title());
  pie->setProperty("view", QVariant::fromValue<QObject*>(&series));
  pie->setPieSize(count > 1 ? 0.9 / count : 0.62);
  pie->setHorizontalPosition((position + 0.5) / count);
  const double total = series.Total();
  double other = 0;
  int biggest = -1;
  for (int i = 0; i < series.Count(); ++i) {
    const double value = std::fabs(series.Value(i));
    if (total > 0 && value * 100 / total < series.OtherSlicePercent()) {
      other += value;
      continue;
    }
    auto* slice = new QPieSlice(MarkText(series, i), value);
    slice->setColor(series.PointColour(i));
    slice->setBorderColor(Qt::white);
    slice->setLabelVisible(series.MarksVisible());
    slice->setLabelFont(ChartFont(8, series.MarksBold()));
    slice->setProperty("point", i);
    connect(slice, &QPieSlice::clicked, &series, [&series, i] { ReportClickLater(series, i); });
    pie->append(slice);
    if (biggest < 0 || value > pie->slices().at(biggest)->value())
      biggest = static_cast<int>(pie->slices().size()) - 1;
  }
  if (other > 0) {
    auto* slice = new QPieSlice(tr("Other"), other);
    slice->setColor(Qt::lightGray);
    slice->setLabelVisible(series.MarksVisible());
    slice->setLabelFont(ChartFont(8));
    slice->setProperty("point", -1);
    pie->append(slice);
  }
  if (biggest >= 0 && series.ExplodeBiggest() > 0) {
    pie->slices().at(biggest)->setExploded(true);
    pie->slices().at(biggest)->setExplodeDistanceFactor(series.ExplodeBiggest() / 100.0);
  }
  chart()->addSeries(pie);
}

QAbstractBarSeries* TChartView::NewBarContainer(bool stacked) const {
  if (Horizontal_)
    return stacked ? static_cast<QAbstractBarSeries*>(new QHorizontalStackedBarSeries)
                   : new QHorizontalBarSeries;
  return stacked ? static_cast<QAbstractBarSeries*>(new QStackedBarSeries) : new QBarSeries;
}

// One bar set per series; a single series whose points carry their own
// colours becomes one set per colour, stacked, so that each bar keeps its
// colour.
void TChartView::AddBarSets(QAbstractBarSeries& container, TChartSeriesView& series, int count,
                            bool byPointColour) {
  std::vector<QColor> colours;
  if (byPointColour) {
    for (int i = 0; i < series.Count(); ++i)
      if (std::find(colours.begin(), colours.end(), series.PointColour(i)) == colours.end())
        colours.push_back(series.PointColour(i));
  } else {
    colours.push_back(series.Colour());
  }
  for (const QColor& colour : colours) {
    auto* set = new QBarSet(series.Title());
    // Only the first set of a series split by colour has a legend entry.
    set->setProperty("legend", series.ShownInLegend() && colour == colours.front());
    set->setColor(colour);
    set->setBorderColor(series.OutlineColour().value_or(colour.darker(130)));
    for (int i = 0; i < count; ++i) {
      const bool own = !byPointColour || series.PointColour(i) == colour;
      *set << (i < series.Count() && own ? series.Value(i) : 0.0);
    }
    connect(set, &QBarSet::clicked, &series, [&series](int index) {
      if (index < series.Count()) ReportClickLater(series, index);
    });
    container.append(set);
  }
}

void TChartView::DrawBarsAndLines(const std::vector<TChartSeriesView*>& bars,
                                  const std::vector<TChartSeriesView*>& lines) {
  const TChartSeriesView& first = bars.empty() ? *lines.front() : *bars.front();
  QStringList categories;
  for (int i = 0; i < first.Count(); ++i) categories << first.Label(i);
  const int count = static_cast<int>(categories.size());
  double low = 0, high = 0;
  if (!bars.empty()) {
    const bool byColour = bars.size() == 1;
    bool coloured = false;
    for (int i = 0; byColour && i < first.Count(); ++i)
      coloured |= first.Point(i).Colour.has_value();
    const bool stacked = BarLayout_ == TBarLayout::SamePosition || coloured;
    BarContainer_ = NewBarContainer(stacked);
    std::vector<double> up(count, 0), down(count, 0);
    for (std::size_t s = 0; s < bars.size(); ++s) {
      AddBarSets(*BarContainer_, *bars[s], count, coloured);
      for (int i = 0; i < std::min(count, bars[s]->Count()); ++i) {
        const double value = bars[s]->Value(i);
        if (stacked) {
          double& end = value >= 0 ? up[i] : down[i];
          BarMarks_.push_back({bars[s], i, end, 0, 1});
          end += value;
        } else {
          BarMarks_.push_back({bars[s], i, 0, static_cast<int>(s), static_cast<int>(bars.size())});
          (value >= 0 ? up[i] : down[i]) =
              value >= 0 ? std::max(up[i], value) : std::min(down[i], value);
        }
        high = std::max(high, up[i]);
        low = std::min(low, down[i]);
      }
    }
    chart()->addSeries(BarContainer_);
  }
  for (TChartSeriesView* line : lines) {
    for (int i = 0; i < line->Count(); ++i) {
      high = std::max(high, line->Value(i));
      low = std::min(low, line->Value(i));
    }
    DrawLine(*line, count);
  }
  AttachAxes(categories, low, high, !bars.empty());
}

void TChartView::DrawLine(TChartSeriesView& series, int count) {
  auto* line = new QLineSeries;
  line->setName(series.Title());
  line->setProperty("legend", series.ShownInLegend());
  QPen pen(series.Colour());
  pen.setWidth(series.PenWidth());
  line->setPen(pen);
  line->setPointsVisible(series.PointsShown());
  for (int i = 0; i < std::min(count, series.Count()); ++i) line->append(i, series.Value(i));
  connect(line, &QLineSeries::clicked, &series, [&series](const QPointF& point) {
    const int index = static_cast<int>(std::lround(point.x()));
    if (index >= 0 && index < series.Count()) ReportClickLater(series, index);
  });
  chart()->addSeries(line);
}

void TChartView::AttachAxes(const QStringList& categories, double low, double high,
                            bool barsShown) {
  QAbstractAxis* along = nullptr;
  if (barsShown || categories.size() <= 12) {
    auto* axis = new QBarCategoryAxis;
    axis->append(DistinctLabels(categories));
    along = axis;
  } else {
    // Many points of a line: a label at every few points, so that they fit.
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(-0.5, categories.size() - 0.5);
    const int stride = std::max<int>(1, (static_cast<int>(categories.size()) + 7) / 8);
    axis->setStartValue(-1);
    for (int i = 0; i < categories.size(); i += stride) axis->append(categories[i], i);
    along = axis;
  }
  if (high <= low) high = low + 1;
  double step = NiceStep(high - low);
  if (!ShowsDecimals(AxisFormat_)) step = std::max(step, 1.0);
  auto* values = new QCategoryAxis;
  values->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  const double from = std::floor(low / step) * step, to = std::ceil(high / step) * step;
  values->setRange(from, to);
  values->setStartValue(from - step);
  std::set<QString> seen;
  for (double v = from; v <= to + step / 2; v += step) {
    QString label = Number(std::abs(v) < step / 1e6 ? 0 : v, AxisFormat_);
    while (!seen.insert(label).second) label += kInvisible;
    values->append(label, v);
  }
  for (QAbstractAxis* axis : {along, static_cast<QAbstractAxis*>(values)}) {
    axis->setLabelsFont(ChartFont(8));
    axis->setGridLineVisible(axis == values);
  }
  chart()->addAxis(along, Horizontal_ ? Qt::AlignLeft : Qt::AlignBottom);
  chart()->addAxis(values, Horizontal_ ? Qt::AlignBottom : Qt::AlignLeft);
  for (QAbstractSeries* series : chart()->series()) {
    series->attachAxis(along);
    series->attachAxis(values);
  }
}

void TChartView::UpdateLegend() {
  QLegend* legend = chart()->legend();
  legend->setVisible(LegendVisible_);
  for (QLegendMarker* marker : legend->markers()) {
    ConnectMarker(marker);
    auto* slice = marker->type() == QLegendMarker::LegendMarkerTypePie
                      ? static_cast<QPieLegendMarker*>(marker)
                      : nullptr;
    if (slice == nullptr) {
      QObject* drawn = marker->type() == QLegendMarker::LegendMarkerTypeBar
                           ? static_cast<QObject*>(static_cast<QBarLegendMarker*>(marker)->barset())
                           : marker->series();
      const bool shown = drawn->property("legend").toBool();
      marker->setVisible(shown);
      marker->setProperty("shown", shown);
      continue;
    }
    marker->setProperty("shown", true);
    const auto* series =
        qobject_cast<const TChartSeriesView*>(slice->series()->property("view").value<QObject*>());
    const int point = slice->slice()->property("point").toInt();
    const QString label =
        point < 0 || series == nullptr ? slice->slice()->label() : series->Label(point);
    if (LegendStyle_ == TLegendStyle::PercentBeforeLabel)
      marker->setLabel(Number(slice->slice()->percentage() * 100, "##0.#") + " % " + label);
    else if (LegendStyle_ == TLegendStyle::ValueBeforeLabel && series != nullptr)
      marker->setLabel(Number(slice->slice()->value(), series->ValueFormat()) + " " + label);
    else
      marker->setLabel(label);
  }
}

void TChartView::ConnectMarker(QLegendMarker* marker) {
  if (marker->property("connected").toBool()) return;
  marker->setProperty("connected", true);
  connect(marker, &QLegendMarker::clicked, this, [this, marker] {
    if (!LegendClickArmed_) return;
    const QList<QLegendMarker*> markers = chart()->legend()->markers();
    int entry = 0;
    for (QLegendMarker* m : markers) {
      if (m == marker) break;
      if (m->property("shown").toBool()) ++entry;
    }
    const QString text = marker->label();
    QMetaObject::invokeMethod(
        this, [this, entry, text] { emit legendClicked(entry, text); }, Qt::QueuedConnection);
  });
}

QStringList TChartView::LegendTexts() {
  Redraw();
  QStringList texts;
  for (QLegendMarker* marker : chart()->legend()->markers())
    if (marker->property("shown").toBool()) texts << marker->label();
  return texts;
}

void TChartView::PlaceMarks() {
  for (QGraphicsItem* item : MarkItems_) delete item;
  MarkItems_.clear();
  if (BarContainer_ == nullptr) return;
  const double width = BarContainer_->barWidth();
  for (const TBarMark& mark : BarMarks_) {
    const TChartSeriesView& series = *mark.Series;
    if (!series.MarksVisible()) continue;
    const QString text = MarkText(series, mark.Index);
    if (text.isEmpty()) continue;
    const double slot = mark.Index - width / 2 + (mark.Slot + 0.5) * width / mark.Slots;
    const double end = mark.Base + series.Value(mark.Index);
    const QPointF at = Horizontal_ ? chart()->mapToPosition(QPointF(end, slot), BarContainer_)
                                   : chart()->mapToPosition(QPointF(slot, end), BarContainer_);
    auto* label = new QGraphicsSimpleTextItem(text);
    label->setFont(ChartFont(7, series.MarksBold()));
    QRectF box = label->boundingRect().adjusted(-2, -1, 2, 1);
    const bool below = series.Value(mark.Index) < 0;
    QPointF topLeft =
        Horizontal_
            ? QPointF(at.x() + (below ? -box.width() - 3 : 3), at.y() - box.height() / 2)
            : QPointF(at.x() - box.width() / 2, below ? at.y() + 3 : at.y() - box.height() - 3);
    auto* frame = new QGraphicsRectItem(QRectF(QPointF(0, 0), box.size()), chart());
    frame->setPos(topLeft);
    frame->setZValue(10);
    if (series.MarksBox()) {
      frame->setBrush(*series.MarksBox());
      frame->setPen(Qt::NoPen);
      label->setBrush(Qt::white);
    } else {
      frame->setBrush(Qt::NoBrush);
      frame->setPen(Qt::NoPen);
    }
    label->setParentItem(frame);
    label->setPos(2, 1);
    MarkItems_.push_back(frame);
  }
}

QStringList TChartView::MarkTexts() {
  Redraw();
  QStringList texts;
  for (QAbstractSeries* drawn : chart()->series())
    if (auto* pie = qobject_cast<QPieSeries*>(drawn))
      for (QPieSlice* slice : pie->slices())
        if (slice->isLabelVisible()) texts << slice->label();
  for (QGraphicsItem* item : MarkItems_)
    for (QGraphicsItem* child : item->childItems())
      if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(child)) texts << text->text();
  return texts;
}

void TChartView::wheelEvent(QWheelEvent* event) {
  bool handled = !Zoomable_;
  emit mouseWheel(&handled);
  if (handled) {
    event->accept();
    return;
  }
  QChartView::wheelEvent(event);
}

void TChartView::resizeEvent(QResizeEvent* event) {
  QChartView::resizeEvent(event);
  PlaceMarks();
}

QImage TChartView::ClientImage() {
  Redraw();
  return grab().toImage();
}

void TChartView::PaintClient(QPainter& painter, const QRectF& target, const QRect& source) {
  Redraw();
  render(&painter, target, source);
}

void TChartView::CopyToClipboard() {
  QGuiApplication::clipboard()->setImage(ClientImage());
}

}  // namespace tf

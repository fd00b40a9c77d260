// The plain form of what a chart draws: series of points with a label, a
// value and, where the report fixes one, a colour. The report pages, the
// command line and the tests all read the same series.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/GridColors.h"

namespace tf {

struct TChartPoint {
  std::string Label;
  double Value = 0;
  // No value: the series' own colour (bars, lines) or the chart's default
  // colour for this slice (pies).
  std::optional<TColor> Colour;
};

struct TChartSeries {
  std::string Title;
  std::vector<TChartPoint> Points;
};

// One chart's content: its title and its series in drawing order.
struct TChartData {
  std::string Title;
  std::vector<TChartSeries> Series;
};

// Colours a pie's slices from the chart palette, spread evenly over it:
// slice k of n gets shade k * (207 div n). From 208 slices on the step is 0,
// so every slice gets shade 0.
void FormatChartSeriesColours(TChartSeries& pie);

}  // namespace tf

#include "reports/ChartSeries.h"

#include "base/ChartPalette.h"

namespace tf {

void FormatChartSeriesColours(TChartSeries& pie) {
  const int count = static_cast<int>(pie.Points.size());
  if (count == 0) return;
  const int step = (kPaletteSize - 1) / count;
  for (int k = 0; k < count; ++k) pie.Points[k].Colour = PaletteColor(k * step);
}

}  // namespace tf

// The chart palette: 13 groups of 16 shades (indexes 0 to 207, lightest
// first within a group) that the reports colour their series with, and the
// colour steps between two colours for gradients.
#pragma once

#include "base/GridColors.h"

namespace tf {

constexpr int kPaletteGroupSize = 16;
constexpr int kPaletteSize = 13 * kPaletteGroupSize;

// Shade `index`; an index outside the palette is taken to its nearest end.
TColor PaletteColor(int index);
// The shade one lighter than `index`.
TColor PaletteColorBefore(int index);
// Shade index - 15: the lightest of the group when `index` is its darkest.
TColor PaletteColorLightest(int index);
// From the darkest shade of groups 0 to 11 to the darkest of the next group;
// every other index (207 included) gives 15, the darkest of group 0.
int NextPaletteGroup(int index);

// Channel by channel a + ceiling(((b - a) / steps) * step) for
// 0 <= step <= steps; a before step 0, b after the last step or when there
// are fewer than one step.
TColor GradientColor(int steps, TColor a, TColor b, int step);

}  // namespace tf

// The colours and the font shared by every owner-drawn grid: alternating row
// backgrounds, the two selection colours and the amount colours. Colours are
// 0xRRGGBB values so that the core can name them without a window toolkit.
#pragma once

#include <cstdint>

namespace tf {

using TColor = std::uint32_t;

// White for odd rows, light grey #F0F0F0 for even ones; row 0 is the heading
// row, so the first data row is white.
TColor RowColor(int row);
// The selected cell while its grid has the focus.
TColor SelectionColor();
// The selected cell while its grid does not have the focus.
TColor InactiveSelectionColor();
// Bold text of amounts below zero.
TColor NegativeColor();
// Bold text of amounts above zero on the budget page.
TColor PositiveColor();
const char* GridFontName();
// The point size of grid cells.
int GridFontSize();

}  // namespace tf

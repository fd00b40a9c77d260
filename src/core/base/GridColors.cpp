#include "base/GridColors.h"

namespace tf {

TColor RowColor(int row) {
  return row % 2 != 0 ? 0xFFFFFF : 0xF0F0F0;
}

TColor SelectionColor() {
  return 0xAAD7FF;
}

TColor InactiveSelectionColor() {
  return 0xEAF5FF;
}

TColor NegativeColor() {
  return 0xFF0000;
}

TColor PositiveColor() {
  return 0x0000FF;
}

const char* GridFontName() {
  return "Arial";
}

int GridFontSize() {
  return 8;
}

}  // namespace tf

// Text in a grid cell or any owner-drawn rectangle, with the alignments the
// grids use; a line that does not fit ends in an ellipsis unless it wraps.
#pragma once

#include <QRect>
#include <QString>

class QPainter;

namespace tf {

enum class THorizontalAlign { Left = 0, Right = 1, Centre = 2 };
enum class TVerticalAlign { Top = 0, Centre = 1, Bottom = 2 };

// Draws with the painter's font and pen. With word wrap the text breaks at
// word boundaries; without it, it stays on one line and is cut with "…".
void DrawCellText(QPainter& painter, const QString& text, const QRect& rect,
                  THorizontalAlign horizontal, TVerticalAlign vertical, bool wordWrap);

}  // namespace tf

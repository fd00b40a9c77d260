#include "gui/app/CellText.h"

#include <QFontMetrics>
#include <QPainter>

namespace tf {
namespace {

Qt::Alignment AlignmentOf(THorizontalAlign horizontal, TVerticalAlign vertical) {
  Qt::Alignment flags;
  switch (horizontal) {
    case THorizontalAlign::Left:
      flags = Qt::AlignLeft;
      break;
    case THorizontalAlign::Right:
      flags = Qt::AlignRight;
      break;
    case THorizontalAlign::Centre:
      flags = Qt::AlignHCenter;
      break;
  }
  switch (vertical) {
    case TVerticalAlign::Top:
      flags |= Qt::AlignTop;
      break;
    case TVerticalAlign::Centre:
      flags |= Qt::AlignVCenter;
      break;
    case TVerticalAlign::Bottom:
      flags |= Qt::AlignBottom;
      break;
  }
  return flags;
}

}  // namespace

void DrawCellText(QPainter& painter, const QString& text, const QRect& rect,
                  THorizontalAlign horizontal, TVerticalAlign vertical, bool wordWrap) {
  const Qt::Alignment alignment = AlignmentOf(horizontal, vertical);
  painter.save();
  painter.setClipRect(rect, Qt::IntersectClip);
  if (wordWrap) {
    painter.drawText(rect, static_cast<int>(alignment) | Qt::TextWordWrap, text);
  } else {
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
    const QString shown = painter.fontMetrics().elidedText(line, Qt::ElideRight, rect.width());
    painter.drawText(rect, static_cast<int>(alignment) | Qt::TextSingleLine, shown);
  }
  painter.restore();
}

}  // namespace tf

#include "gui/workspace/TransactionIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <functional>

#include "gui/app/FormLook.h"
#include "model/Transactions.h"

namespace tf {
namespace {

constexpr int kSize = 16;

// A round badge with an arrow: up for money in, down for money out,
// sideways for money moved between accounts.
QPixmap Badge(const QColor& colour, const std::function<void(QPainter&)>& glyph) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(colour.darker(130));
  painter.setBrush(colour);
  painter.drawEllipse(QRectF(0.5, 0.5, kSize - 1, kSize - 1));
  painter.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  glyph(painter);
  return pixmap;
}

void UpArrow(QPainter& p) {
  p.drawLine(QPointF(8, 12), QPointF(8, 4));
  p.drawPolyline(QPolygonF({QPointF(4.5, 7.5), QPointF(8, 4), QPointF(11.5, 7.5)}));
}

void DownArrow(QPainter& p) {
  p.drawLine(QPointF(8, 4), QPointF(8, 12));
  p.drawPolyline(QPolygonF({QPointF(4.5, 8.5), QPointF(8, 12), QPointF(11.5, 8.5)}));
}

void RightArrow(QPainter& p) {
  p.drawLine(QPointF(3.5, 8), QPointF(12, 8));
  p.drawPolyline(QPolygonF({QPointF(8.5, 4.5), QPointF(12, 8), QPointF(8.5, 11.5)}));
}

void IntoTray(QPainter& p) {
  p.drawLine(QPointF(8, 3.5), QPointF(8, 9.5));
  p.drawPolyline(QPolygonF({QPointF(5.5, 7), QPointF(8, 9.5), QPointF(10.5, 7)}));
  p.drawPolyline(QPolygonF({QPointF(4, 10), QPointF(4, 12.5), QPointF(12, 12.5), QPointF(12, 10)}));
}

QPixmap Lock() {
  EnsureShellResources();
  QPixmap lock(QStringLiteral(":/tallyfold/images/lock.png"));
  return lock.scaled(kSize, kSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

int TransactionImageOfType(int type) {
  switch (type) {
    case ttIncome:
      return imgIncome;
    case ttTransfer:
      return imgTransfer;
    case ttDeposit:
      return imgDeposit;
    default:
      return imgExpense;
  }
}

const QPixmap& TransactionImage(int index) {
  static const std::array<QPixmap, 5> images = {Badge(QColor(0x2E, 0x9E, 0x3E), UpArrow),
                                                Badge(QColor(0x2F, 0x6F, 0xC8), RightArrow),
                                                Badge(QColor(0x7E, 0x4F, 0xB8), IntoTray),
                                                Badge(QColor(0xD0, 0x3A, 0x2F), DownArrow), Lock()};
  return images.at(static_cast<std::size_t>(index < 0 || index > 4 ? imgExpense : index));
}

}  // namespace tf

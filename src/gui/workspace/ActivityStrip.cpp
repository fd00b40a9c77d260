#include "gui/workspace/ActivityStrip.h"

#include <QFont>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "base/NumberFormat.h"
#include "gui/workspace/TransactionIcons.h"
#include "workspace/ActivityTotals.h"

namespace tf {
namespace {

constexpr int kTop = 12;         // icons and texts, below the strip's top
constexpr int kTextOffset = 18;  // from an icon to its total
constexpr int kRightMargin = 2;  // after the last total
constexpr int kGap = 16;         // from a total to the next icon, which must not touch it

QFont StripFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(12);
  font.setBold(true);
  return font;
}

struct TPlacedTotal {
  TActivityItem Item;
  QString Text;
  int Width;
};

std::vector<TPlacedTotal> PlaceTotals(const std::vector<TActivityItem>& items,
                                      const QFontMetrics& metrics, TNumberFormat& format,
                                      int& contentWidth) {
  std::vector<TPlacedTotal> placed;
  contentWidth = 0;
  for (const TActivityItem& item : items) {
    const QString text = QString::fromStdString(format.FormatAmount(item.Total));
    const int width = metrics.horizontalAdvance(text);
    if (!placed.empty()) contentWidth += kGap;
    placed.push_back({item, text, width});
    contentWidth += kTextOffset + width;
  }
  return placed;
}

}  // namespace

TActivityStrip::TActivityStrip(std::function<std::vector<const TTransactions*>()> listedRows,
                               TNumberFormat& format, QWidget* parent)
    : QWidget(parent), ListedRows_(std::move(listedRows)), Format_(format) {
  setObjectName(QStringLiteral("pboxActivity"));
}

void TActivityStrip::paintEvent(QPaintEvent*) {
  const qreal ratio = devicePixelRatioF();
  QPixmap picture(size() * ratio);
  picture.setDevicePixelRatio(ratio);
  picture.fill(palette().color(backgroundRole()));
  const std::vector<TActivityItem> items =
      ListedRows_ ? ActivityItems(ActivityTotals(ListedRows_())) : std::vector<TActivityItem>{};
  if (!items.empty()) {
    QPainter painter(&picture);
    painter.setFont(StripFont());
    const QFontMetrics metrics(painter.font());
    int contentWidth = 0;
    const std::vector<TPlacedTotal> placed = PlaceTotals(items, metrics, Format_, contentWidth);
    // Laid out from the right edge: the last total ends just before it
    // however wide the texts are, and the strip may be narrower than them.
    int x = width() - kRightMargin - contentWidth;
    const int baseline = kTop + metrics.ascent();
    for (const TPlacedTotal& total : placed) {
      painter.drawPixmap(x, kTop, TransactionImage(TransactionImageOfType(total.Item.Type)));
      painter.setPen(QColor::fromRgb(total.Item.Colour));
      painter.drawText(x + kTextOffset, baseline, total.Text);
      x += kTextOffset + total.Width + kGap;
    }
  }
  // Drawn off-screen first so that a repaint on every keystroke of the
  // filter does not flicker.
  QPainter(this).drawPixmap(0, 0, picture);
}

int TActivityStrip::ContentWidth() const {
  if (!ListedRows_) return 0;
  const std::vector<TActivityItem> items = ActivityItems(ActivityTotals(ListedRows_()));
  if (items.empty()) return 0;
  int contentWidth = 0;
  PlaceTotals(items, QFontMetrics(StripFont()), Format_, contentWidth);
  return contentWidth + kRightMargin;
}

void TActivityStrip::mousePressEvent(QMouseEvent* event) {
  constexpr Qt::KeyboardModifiers kGesture =
      Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier;
  if (event->button() == Qt::RightButton && event->buttons() == Qt::RightButton &&
      (event->modifiers() & kGesture) == kGesture) {
    emit testDataRequested();
    event->accept();
    return;
  }
  QWidget::mousePressEvent(event);
}

}  // namespace tf

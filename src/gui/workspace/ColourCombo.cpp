#include "gui/workspace/ColourCombo.h"

#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include "gui/app/GridDelegate.h"
#include "workspace/AccountEntry.h"

namespace tf {
namespace {

void PaintSwatch(QPainter& painter, const QRect& rect, const QColor& colour) {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawRect(rect);
  painter.restore();
}

// Each item of the open list as a rectangle of its colour, the current one framed.
class TColourItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    PaintSwatch(*painter, option.rect.adjusted(3, 2, -3, -2),
                TColourCombo::ColourOfItem(index.data(Qt::DisplayRole).toString()));
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), 20};
  }
};

}  // namespace

TColourCombo::TColourCombo(QWidget* parent) : QComboBox(parent) {
  setItemDelegate(new TColourItemDelegate(this));
}

QColor TColourCombo::ColourOfItem(const QString& text) {
  return ToQColor(AccountColourRgb(text.toInt()));
}

void TColourCombo::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.currentText.clear();
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  if (currentIndex() < 0) return;
  const QRect field =
      style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  PaintSwatch(painter, field.adjusted(1, 2, -1, -2), ColourOfItem(currentText()));
}

}  // namespace tf

#include "gui/app/GridDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>

#include "base/GridColors.h"
#include "gui/app/CellText.h"

namespace tf {
namespace {

constexpr int kTextInset = 2;

THorizontalAlign HorizontalOf(Qt::Alignment alignment) {
  if (alignment & Qt::AlignRight) return THorizontalAlign::Right;
  if (alignment & Qt::AlignHCenter) return THorizontalAlign::Centre;
  return THorizontalAlign::Left;
}

TVerticalAlign VerticalOf(Qt::Alignment alignment) {
  if (alignment & Qt::AlignTop) return TVerticalAlign::Top;
  if (alignment & Qt::AlignBottom) return TVerticalAlign::Bottom;
  return TVerticalAlign::Centre;
}

QFont CellFont(const QModelIndex& index) {
  QFont font = GridFont();
  const QVariant role = index.data(Qt::FontRole);
  if (role.canConvert<QFont>()) {
    const QFont given = role.value<QFont>();
    font.setBold(given.bold());
    font.setItalic(given.italic());
    font.setUnderline(given.underline());
  }
  return font;
}

QColor TextColour(const QModelIndex& index) {
  const QVariant role = index.data(Qt::ForegroundRole);
  if (role.canConvert<QBrush>()) return role.value<QBrush>().color();
  return Qt::black;
}

}  // namespace

QFont GridFont() {
  return QFont(QString::fromLatin1(GridFontName()), GridFontSize());
}

QColor ToQColor(unsigned rgb) {
  return QColor::fromRgb(static_cast<QRgb>(rgb | 0xFF000000u));
}

TGridDelegate::TGridDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

TGridDelegate* TGridDelegate::Install(QAbstractItemView& view) {
  auto* delegate = new TGridDelegate(&view);
  view.setItemDelegate(delegate);
  view.setFont(GridFont());
  return delegate;
}

bool TGridDelegate::IsHeading(int row, int column) const {
  return row < HeadingRows_ || column < HeadingColumns_;
}

QColor TGridDelegate::Background(int row, int column, bool selected, bool gridFocused) const {
  if (IsHeading(row, column)) return QApplication::palette().color(QPalette::Button);
  if (selected) return ToQColor(gridFocused ? SelectionColor() : InactiveSelectionColor());
  return ToQColor(RowColor(row - HeadingRows_ + 1));
}

void TGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  const bool focused = option.widget && option.widget->hasFocus();
  painter->save();
  painter->fillRect(option.rect, Background(index.row(), index.column(), selected, focused));
  painter->setFont(CellFont(index));
  painter->setPen(TextColour(index));
  const QVariant alignment = index.data(Qt::TextAlignmentRole);
  const Qt::Alignment align = alignment.isValid() ? Qt::Alignment(alignment.toInt())
                                                  : Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter);
  const QRect textRect = option.rect.adjusted(kTextInset, 0, -kTextInset, 0);
  DrawCellText(*painter, index.data(Qt::DisplayRole).toString(), textRect, HorizontalOf(align),
               VerticalOf(align), WordWrap_);
  painter->restore();
}

}  // namespace tf

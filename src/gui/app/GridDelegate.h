// The one look of every grid in the program: Arial 8 point black text, rows
// alternating white and light grey, the selection light blue (stronger while
// the grid has the focus) and heading cells in the button-face colour. Pages
// set it on their views with Install and give amounts their colour and
// boldness through the model's foreground and font roles.
#pragma once

#include <QColor>
#include <QStyledItemDelegate>

class QAbstractItemView;

namespace tf {

class TGridDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit TGridDelegate(QObject* parent = nullptr);

  // Sets a new delegate on the view, with the grid font, and returns it.
  static TGridDelegate* Install(QAbstractItemView& view);

  // Model rows and columns drawn as heading cells (for grids that keep their
  // headings in the model rather than in a header view).
  void SetHeadingRows(int rows) { HeadingRows_ = rows; }
  void SetHeadingColumns(int columns) { HeadingColumns_ = columns; }
  // Whether cell text breaks at word boundaries instead of ending in "…".
  void SetWordWrap(bool wrap) { WordWrap_ = wrap; }

  // The background of a cell: heading, selected (by focus) or by its row;
  // the first data row is white.
  QColor Background(int row, int column, bool selected, bool gridFocused) const;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  bool IsHeading(int row, int column) const;

  int HeadingRows_ = 0;
  int HeadingColumns_ = 0;
  bool WordWrap_ = false;
};

// Arial 8 point, as every grid cell.
QFont GridFont();
QColor ToQColor(unsigned rgb);

}  // namespace tf

// Paints the transactions grid in the shared grid look, with the type image
// before the description, the lock image before a locked row's category and
// "n/a" in pale red for an uncategorised row.
#pragma once

#include "gui/app/GridDelegate.h"

namespace tf {

class TGlobal;

class TTransactionsGridDelegate : public TGridDelegate {
  Q_OBJECT

 public:
  // Errors while painting go to the context's trace log.
  explicit TTransactionsGridDelegate(TGlobal& global, QObject* parent = nullptr);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  void PaintWithImage(QPainter& painter, const QStyleOptionViewItem& option,
                      const QModelIndex& index) const;
  static void PaintUncategorised(QPainter& painter, const QRect& cell, bool selected);
  TGlobal& Global_;
};

}  // namespace tf

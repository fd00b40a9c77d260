// Paints the accounts grid in the shared grid look: the account's name at
// the top left of the name cell with its colour swatch below it, the
// balance bold at the bottom right, blue from zero up and red below.
#pragma once

#include "gui/app/GridDelegate.h"

namespace tf {

class TAccountsGridDelegate : public TGridDelegate {
  Q_OBJECT

 public:
  explicit TAccountsGridDelegate(QObject* parent = nullptr);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  void PaintName(QPainter& painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const;
};

}  // namespace tf

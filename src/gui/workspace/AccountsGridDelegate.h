// Paints the accounts grid in the shared grid look: the account's name at
// the top left of the name cell with its colour swatch below it, the
// balance bold at the bottom right, blue from zero up and red below.
#pragma once

#include "gui/app/GridDelegate.h"

namespace tf {

class TGlobal;

class TAccountsGridDelegate : public TGridDelegate {
  Q_OBJECT

 public:
  // Errors while painting go to the context's trace log.
  explicit TAccountsGridDelegate(TGlobal& global, QObject* parent = nullptr);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  void PaintName(QPainter& painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const;
  TGlobal& Global_;
};

}  // namespace tf

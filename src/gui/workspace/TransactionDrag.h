// Dragging transaction rows from one grid onto a row of another: the drag
// starts once the mouse has moved 10 pixels with the left button down, and
// the target accepts only drags of this page that the page's rule admits.
// The rows themselves are taken from the source grid's selection on drop.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPersistentModelIndex>
#include <QPoint>
#include <functional>

class QAbstractItemView;
class QMimeData;

namespace tf {

class TTransactionDrag : public QObject {
  Q_OBJECT

 public:
  static constexpr int kStartDistance = 10;

  TTransactionDrag(QAbstractItemView* source, QAbstractItemView* target, QObject* parent);

  // Points are in the target's viewport.
  std::function<bool(const QPoint& point)> CanDrop;
  std::function<void(const QPoint& point)> Drop;

  // The data a drag of the source carries; only this object accepts it.
  QMimeData* NewMimeData() const;
  bool IsOwnDrag(const QMimeData* data) const;

 signals:
  void dragStarted();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool SourceMouseEvent(QEvent* event);
  bool TargetDragEvent(QEvent* event);
  void StartDrag();

  QAbstractItemView* Source_;
  QAbstractItemView* Target_;
  QByteArray Token_;
  QPoint PressPosition_;
  bool Pressed_ = false;
  // A press inside a selected block keeps the block for a drag; without
  // one, the release selects the pressed row as a click would.
  QPersistentModelIndex DeferredClick_;
};

}  // namespace tf

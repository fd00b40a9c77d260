#include "gui/workspace/TransactionDrag.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDrag>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QMouseEvent>
#include <cstdlib>

namespace tf {
namespace {

const QString kMimeType = QStringLiteral("application/x-tallyfold-transaction-rows");

}  // namespace

TTransactionDrag::TTransactionDrag(QAbstractItemView* source, QAbstractItemView* target,
                                   QObject* parent)
    : QObject(parent), Source_(source), Target_(target) {
  // Another page or another running program carries another token.
  Token_ = QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(reinterpret_cast<quintptr>(this));
  Source_->viewport()->installEventFilter(this);
  Target_->setAcceptDrops(true);
  Target_->viewport()->installEventFilter(this);
}

QMimeData* TTransactionDrag::NewMimeData() const {
  auto* data = new QMimeData;
  data->setData(kMimeType, Token_);
  return data;
}

bool TTransactionDrag::IsOwnDrag(const QMimeData* data) const {
  return data != nullptr && data->hasFormat(kMimeType) && data->data(kMimeType) == Token_;
}

void TTransactionDrag::StartDrag() {
  Pressed_ = false;
  DeferredClick_ = QPersistentModelIndex();
  emit dragStarted();
  auto* drag = new QDrag(Source_);
  drag->setMimeData(NewMimeData());
  drag->exec(Qt::CopyAction);
}

bool TTransactionDrag::SourceMouseEvent(QEvent* event) {
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint position = mouse->position().toPoint();
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      if (mouse->button() != Qt::LeftButton) return false;
      Pressed_ = true;
      PressPosition_ = position;
      DeferredClick_ = QPersistentModelIndex();
      const QModelIndex index = Source_->indexAt(position);
      QItemSelectionModel* selection = Source_->selectionModel();
      if (mouse->modifiers() != Qt::NoModifier || !index.isValid() ||
          !selection->isRowSelected(index.row(), {}) || selection->selectedRows().size() < 2)
        return false;
      DeferredClick_ = index;
      Source_->setFocus(Qt::MouseFocusReason);
      return true;
    }
    case QEvent::MouseButtonDblClick:
      // The second press of a double click opens the row; it starts no drag.
      Pressed_ = false;
      return false;
    case QEvent::MouseMove: {
      if (!Pressed_ || !(mouse->buttons() & Qt::LeftButton)) return false;
      const QPoint moved = position - PressPosition_;
      if (std::abs(moved.x()) >= kStartDistance || std::abs(moved.y()) >= kStartDistance)
        StartDrag();
      // Moving with the button down drags rows; it never stretches the selection.
      return true;
    }
    case QEvent::MouseButtonRelease: {
      Pressed_ = false;
      if (!DeferredClick_.isValid()) return false;
      const QModelIndex index = DeferredClick_;
      DeferredClick_ = QPersistentModelIndex();
      Source_->setCurrentIndex(index);
      return true;
    }
    default:
      return false;
  }
}

bool TTransactionDrag::TargetDragEvent(QEvent* event) {
  auto* drag = static_cast<QDropEvent*>(event);
  const QPoint point = drag->position().toPoint();
  const bool own = IsOwnDrag(drag->mimeData());
  const bool admitted = own && CanDrop && CanDrop(point);
  switch (event->type()) {
    case QEvent::DragEnter:
      // Taken whenever it is ours, so that moves over other rows still arrive.
      if (own) {
        drag->setDropAction(admitted ? Qt::CopyAction : Qt::IgnoreAction);
        drag->accept();
      } else {
        drag->ignore();
      }
      return true;
    case QEvent::DragMove:
      if (admitted) {
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
      } else {
        drag->ignore();
      }
      return true;
    case QEvent::Drop:
      if (!admitted) {
        drag->ignore();
        return true;
      }
      drag->setDropAction(Qt::CopyAction);
      drag->accept();
      if (Drop) Drop(point);
      return true;
    default:
      return false;
  }
}

bool TTransactionDrag::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
      if (watched == Source_->viewport()) return SourceMouseEvent(event);
      break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      if (watched == Target_->viewport()) return TargetDragEvent(event);
      break;
    case QEvent::DragLeave:
      if (watched == Target_->viewport()) return true;
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tf

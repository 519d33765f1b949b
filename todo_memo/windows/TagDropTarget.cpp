#include "TagDropTarget.h"

#include <QDropEvent>
#include <QTimer>
#include <QWidget>

#include "DragTagSource.h"

TagDropTarget::TagDropTarget(QWidget* widget, const QStringList& tags, DropHandler handler, QObject* parent)
    : QObject(parent), tags_(tags), handler_(std::move(handler)) {
  widget->setAcceptDrops(true);
  widget->installEventFilter(this);
}

bool TagDropTarget::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      if (tags_.contains(DragTagSource::TagOf(drag->mimeData()))) {
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
      } else {
        drag->ignore();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QString tag = DragTagSource::TagOf(drop->mimeData());
      if (!tags_.contains(tag)) {
        drop->ignore();
        return true;
      }
      drop->setDropAction(Qt::CopyAction);
      drop->accept();
      // The handler asks its question once the drag has finished: a modal
      // box opened inside the drop would run while the drag still holds the
      // pointer.
      const QPoint at = drop->position().toPoint();
      if (handler_) QTimer::singleShot(0, this, [this, tag, at] { handler_(tag, at); });
      return true;
    }
    default: return QObject::eventFilter(watched, event);
  }
}

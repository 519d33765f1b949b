#include "DragTagSource.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>

#include "core/platform/TestSeamRegistry.h"

namespace {
DragTagSource::StartHandler& StartHandlerSlot() {
  static DragTagSource::StartHandler handler;
  return handler;
}
}  // namespace

DragTagSource::DragTagSource(QWidget* watched, const QString& tag, const QPixmap& pixmap, QObject* parent)
    : QObject(parent), watched_(watched), tag_(tag), pixmap_(pixmap) {
  watched->installEventFilter(this);
}

QString DragTagSource::MimeType() { return QStringLiteral("application/x-ringpad-drag-tag"); }

QString DragTagSource::TagOf(const QMimeData* data) {
  if (!data || !data->hasFormat(MimeType())) return QString();
  return QString::fromUtf8(data->data(MimeType()));
}

void DragTagSource::SetStartHandler(StartHandler handler) {
  platform::RegisterSeamReset([] { DragTagSource::SetStartHandler({}); });
  StartHandlerSlot() = std::move(handler);
}

bool DragTagSource::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      pressed_ = true;
      pressPos_ = static_cast<QMouseEvent*>(event)->position().toPoint();
      break;
    case QEvent::MouseButtonRelease:
      pressed_ = false;
      break;
    case QEvent::MouseMove: {
      const auto* move = static_cast<QMouseEvent*>(event);
      if (pressed_ && move->buttons() != Qt::NoButton &&
          (move->position().toPoint() - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
        pressed_ = false;
        startDrag();
        return true;
      }
      break;
    }
    default: break;
  }
  return QObject::eventFilter(watched, event);
}

void DragTagSource::startDrag() {
  if (StartHandlerSlot()) {
    StartHandlerSlot()(tag_);
    return;
  }
  auto* data = new QMimeData;
  data->setData(MimeType(), tag_.toUtf8());
  auto* drag = new QDrag(watched_);
  drag->setMimeData(data);
  if (!pixmap_.isNull()) drag->setPixmap(pixmap_);
  drag->exec(Qt::CopyAction);
}

#include "ScreenArea.h"

#include <QWidget>
#include <QWindow>
#include <algorithm>

QRect FitRectInArea(const QRect& wanted, const QRect& area) {
  if (area.isEmpty()) return wanted;
  const int width = std::min(wanted.width(), area.width());
  const int height = std::min(wanted.height(), area.height());
  const int x = std::clamp(wanted.x(), area.left(), area.left() + area.width() - width);
  const int y = std::clamp(wanted.y(), area.top(), area.top() + area.height() - height);
  return QRect(x, y, width, height);
}

namespace {
QMargins ownFrameMargins(const QWidget* window) {
  const QWindow* handle = window->windowHandle();
  return handle ? handle->frameMargins() : QMargins();
}
}  // namespace

QMargins WindowFrameMargins(const QWidget* window) {
  if (const std::optional<QMargins> frame = WindowFrameOverride()) return *frame;
  for (const QWidget* w = window ? window->window() : nullptr; w;
       w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
    const QMargins frame = ownFrameMargins(w);
    if (!frame.isNull()) return frame;
  }
  return QMargins();
}

bool WindowFramed(const QWidget* window) {
  return WindowFrameOverride() || (window && !ownFrameMargins(window).isNull());
}

QRect FramePlacement(const QPoint& wantedCorner, const QSize& clientSize, const QMargins& frame, const QRect& area) {
  return FitRectInArea(QRect(wantedCorner, clientSize.grownBy(frame)), area);
}

QPoint FrameCorner(const QWidget* window, const QMargins& frame) {
  if (frame.isNull()) return window->pos();
  return window->geometry().topLeft() - QPoint(frame.left(), frame.top());
}

void SetFrameGeometry(QWidget* window, const QRect& outer, const QMargins& frame) {
  if (!window) return;
  const QRect client = outer.marginsRemoved(frame);
  if (!frame.isNull()) {
    if (window->geometry() != client) window->setGeometry(client);
    return;
  }
  // No frame known: before the window exists, Qt takes a move as the
  // frame's corner. A window that exists but that the window manager has not
  // framed yet would have its client area put at the corner, and its title
  // bar above it: the window system is asked to put the frame there instead.
  if (client.size() != window->size()) window->resize(client.size());
  QWindow* handle = window->testAttribute(Qt::WA_WState_Created) ? window->windowHandle() : nullptr;
  if (handle) {
    if (handle->framePosition() != outer.topLeft()) handle->setFramePosition(outer.topLeft());
  } else if (window->pos() != outer.topLeft()) {
    window->move(outer.topLeft());
  }
}


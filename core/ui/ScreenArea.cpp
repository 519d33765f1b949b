#include "ScreenArea.h"

#include <QWidget>
#include <algorithm>

QRect FitRectInArea(const QRect& wanted, const QRect& area) {
  if (area.isEmpty()) return wanted;
  const int width = std::min(wanted.width(), area.width());
  const int height = std::min(wanted.height(), area.height());
  const int x = std::clamp(wanted.x(), area.left(), area.left() + area.width() - width);
  const int y = std::clamp(wanted.y(), area.top(), area.top() + area.height() - height);
  return QRect(x, y, width, height);
}

void KeepWindowOnScreen(QWidget* window) {
  if (!window) return;
  const QRect frame = window->frameGeometry();
  const QRect fitted = FitRectInArea(frame, AvailableScreenArea(window));
  if (fitted.size() != frame.size()) window->resize(window->size() - (frame.size() - fitted.size()));
  if (fitted.topLeft() != frame.topLeft()) window->move(fitted.topLeft());
}

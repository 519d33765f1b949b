#include "ScreenCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform {

void SetHourglassCursor() {
  if (!qGuiApp) return;
  if (QGuiApplication::overrideCursor())
    QGuiApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
  else
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void SetDefaultCursor() {
  if (!qGuiApp) return;
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}

bool HourglassShown() {
  if (!qGuiApp) return false;
  const QCursor* cursor = QGuiApplication::overrideCursor();
  return cursor && cursor->shape() == Qt::WaitCursor;
}

}  // namespace platform

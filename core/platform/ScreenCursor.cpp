#include "ScreenCursor.h"

#include <QApplication>
#include <QCursor>

namespace platform {

void SetHourglassCursor() {
  if (QApplication::overrideCursor())
    QApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
  else
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void SetDefaultCursor() {
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

bool HourglassShown() {
  const QCursor* cursor = QApplication::overrideCursor();
  return cursor && cursor->shape() == Qt::WaitCursor;
}

}  // namespace platform

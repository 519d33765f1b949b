#include "AvailableScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "core/platform/TestSeamRegistry.h"

namespace {
std::optional<QRect>& screenAreaOverride() {
  static std::optional<QRect> area;
  return area;
}
}  // namespace

QRect AvailableScreenArea(const QWidget* widget) {
  if (screenAreaOverride()) return *screenAreaOverride();
  const QScreen* screen = widget ? widget->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void SetScreenAreaOverride(std::optional<QRect> area) {
  platform::RegisterSeamReset([] { SetScreenAreaOverride(std::nullopt); });
  screenAreaOverride() = area;
}

#include "AvailableScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <utility>

#include "core/platform/TestSeamRegistry.h"

namespace {
std::optional<QRect>& screenAreaOverride() {
  static std::optional<QRect> area;
  return area;
}

std::optional<QMargins>& windowFrameOverride() {
  static std::optional<QMargins> frame;
  return frame;
}

WidgetScreenLookup& widgetScreenLookup() {
  static WidgetScreenLookup lookup;
  return lookup;
}
}  // namespace

QRect AvailableScreenArea(const QWidget* widget) {
  if (screenAreaOverride()) return *screenAreaOverride();
  const QScreen* screen = widget && widgetScreenLookup() ? widgetScreenLookup()(widget) : nullptr;
  if (!screen && qGuiApp) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void SetScreenAreaOverride(std::optional<QRect> area) {
  platform::RegisterSeamReset([] { SetScreenAreaOverride(std::nullopt); });
  screenAreaOverride() = area;
}

std::optional<QMargins> WindowFrameOverride() { return windowFrameOverride(); }

void SetWindowFrameOverride(std::optional<QMargins> frame) {
  platform::RegisterSeamReset([] { SetWindowFrameOverride(std::nullopt); });
  windowFrameOverride() = frame;
}

WidgetScreenLookup UseWidgetScreenLookup(WidgetScreenLookup lookup) {
  return std::exchange(widgetScreenLookup(), std::move(lookup));
}

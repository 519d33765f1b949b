#pragma once
// The part of the screen that windows may use. Every window that places or
// sizes itself asks here, so that a test can fix the screen for all of them.
#include <QMargins>
#include <QRect>
#include <functional>
#include <optional>

class QScreen;
class QWidget;

// The available geometry of the screen the widget is on (the primary screen
// when it is on none); a test may fix it with the override below. Without a
// screen at all (no window system) it is 1024 by 768.
QRect AvailableScreenArea(const QWidget* widget = nullptr);
void SetScreenAreaOverride(std::optional<QRect> area);

// The frame a test makes every window count with, title bar included, as a
// window manager would draw it; the offscreen platform draws next to none.
// Empty while the window system's own frames count.
std::optional<QMargins> WindowFrameOverride();
void SetWindowFrameOverride(std::optional<QMargins> frame);

// Which screen a widget is on: widgets live in the window layer, which
// installs the lookup at start-up. Until then every widget counts as on the
// primary screen. Returns the lookup it replaces.
using WidgetScreenLookup = std::function<QScreen*(const QWidget*)>;
WidgetScreenLookup UseWidgetScreenLookup(WidgetScreenLookup lookup);

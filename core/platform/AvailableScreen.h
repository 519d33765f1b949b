#pragma once
// The part of the screen that windows may use. Every window that places or
// sizes itself asks here, so that a test can fix the screen for all of them.
#include <QRect>
#include <optional>

class QWidget;

// The available geometry of the screen the widget is on (the primary screen
// when it is on none); a test may fix it with the override below.
QRect AvailableScreenArea(const QWidget* widget = nullptr);
void SetScreenAreaOverride(std::optional<QRect> area);

#pragma once
// The part of the screen that windows may use, and placing windows inside
// it: positions saved on a larger or disconnected monitor, or read from a
// damaged settings file, must never put a window where the user cannot
// reach it.
#include <QRect>

#include "core/platform/AvailableScreen.h"

class QWidget;

// The rectangle moved (and, when larger, shrunk) so that it lies inside the
// area.
QRect FitRectInArea(const QRect& wanted, const QRect& area);

// Places a top-level window so that its frame lies wholly inside the
// available screen area, keeping its size where it fits.
void KeepWindowOnScreen(QWidget* window);

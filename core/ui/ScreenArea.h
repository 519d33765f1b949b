#pragma once
// The part of the screen that windows may use, and placing windows inside
// it: positions saved on a larger or disconnected monitor, or read from a
// damaged settings file, must never put a window where the user cannot
// reach it. A window is placed by its frame, title bar included: that is
// what the user sees and grabs, and the corner the main window saves.
#include <QMargins>
#include <QRect>

#include "core/platform/AvailableScreen.h"

class QWidget;

// The rectangle moved (and, when larger, shrunk) so that it lies inside the
// area.
QRect FitRectInArea(const QRect& wanted, const QRect& area);

// The window system's frame around a top-level window's client area: the
// window's own once the window system has framed it. A window not framed
// yet (a dialog before it shows, the main window before the window manager
// has answered) counts on the frame of the window it belongs to, or on none.
QMargins WindowFrameMargins(const QWidget* window);

// True once the window system has framed the window itself (always with a
// test's frame).
bool WindowFramed(const QWidget* window);

// Where a window's frame goes: its wanted corner and client size, framed,
// then fitted inside the area, so that the title bar can always be grabbed.
QRect FramePlacement(const QPoint& wantedCorner, const QSize& clientSize, const QMargins& frame, const QRect& area);

// The top-left corner of the window's frame, counted with `frame`.
QPoint FrameCorner(const QWidget* window, const QMargins& frame);

// Gives a top-level window the frame rectangle `outer` (its client area
// being `outer` less `frame`). The corner is handed to the window system as
// the frame's, also while the window has no frame yet, so that the client
// area does not land where the title bar was meant to go.
void SetFrameGeometry(QWidget* window, const QRect& outer, const QMargins& frame);

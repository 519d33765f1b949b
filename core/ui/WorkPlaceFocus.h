#pragma once
// The user's place among the windows: the page window in front inside the
// main window and the control that has the focus in it (why it must be kept
// is told in core/platform/WorkPlace.h). These routines find it and put the
// user back there; InstallWorkPlaceFocus makes every KeepWorkPlace use them.
#include <QMdiSubWindow>
#include <QPointer>

class QWidget;

namespace platform {

// The MDI sub-window that holds the widget; nullptr when none does.
QMdiSubWindow* SubWindowOf(const QWidget* widget);

struct WorkPlace {
  QPointer<QMdiSubWindow> frame;
  QPointer<QWidget> control;
};

// The place of the focus now: of the active window, or, while a dialog is
// coming or going, of the main window that had it last.
WorkPlace CurrentWorkPlace();

// Puts the sub-window in front again (a closed one is left alone) and the
// focus back on the control. A control that cannot take the focus now (it
// is disabled, hidden or gone) leaves it on the sub-window's frame, which
// keeps the window in front until the control can take it again.
void ReturnToWorkPlace(const WorkPlace& place);

// Makes every platform::KeepWorkPlace remember and give back the place
// with the routines above.
void InstallWorkPlaceFocus();

// For a window that has just been disabled: when its sub-window is the one
// in front, the sub-window's frame takes the focus, so that the main window
// keeps it in front through the dialogs of the busy time. True when it did.
bool HoldFrontWhileDisabled(QWidget* window);

}  // namespace platform

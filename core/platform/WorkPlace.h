#pragma once
// Where the user works: the page window in front inside the main window and
// the control that has the focus in it. Two things take that place away
// unless it is kept: a window that stops taking input for a while (a print
// job, a file being read) loses its focus when it is disabled, and when a
// dialog ends the window system gives the focus back to the main window,
// which hands it, and with it the front, to the first page window that takes
// it. The main window's menus act on the page in front, so the user's next
// command would then go to another page. Every busy state of a page window
// and every modal dialog keeps the place with the routines below.
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

// Keeps the user's place across a modal step: remembered when made, given
// back when destroyed.
class KeepWorkPlace {
 public:
  KeepWorkPlace();
  ~KeepWorkPlace();
  KeepWorkPlace(const KeepWorkPlace&) = delete;
  KeepWorkPlace& operator=(const KeepWorkPlace&) = delete;

 private:
  WorkPlace place_;
};

// For a window that has just been disabled: when its sub-window is the one
// in front, the sub-window's frame takes the focus, so that the main window
// keeps it in front through the dialogs of the busy time. True when it did.
bool HoldFrontWhileDisabled(QWidget* window);

}  // namespace platform

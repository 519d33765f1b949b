#pragma once
// Where the user works: the page window in front inside the main window and
// the control that has the focus in it. Two things take that place away
// unless it is kept: a window that stops taking input for a while (a print
// job, a file being read) loses its focus when it is disabled, and when a
// dialog ends the window system gives the focus back to the main window,
// which hands it, and with it the front, to the first page window that takes
// it. The main window's menus act on the page in front, so the user's next
// command would then go to another page. Every modal step (a message box, a
// file dialog, the print dialog, the preview) keeps the place with
// KeepWorkPlace.
//
// Knowing the place takes the windows, which live above this layer: the
// window layer installs its keeper at start-up (core/ui/WorkPlaceFocus).
// Without a keeper there are no windows whose place could be lost, and
// KeepWorkPlace does nothing.
#include <functional>

namespace platform {

// Remembers the place now and returns what puts the user back there.
using WorkPlaceKeeper = std::function<std::function<void()>()>;
// Installs the keeper; returns the one it replaces.
WorkPlaceKeeper UseWorkPlaceKeeper(WorkPlaceKeeper keeper);

// Keeps the user's place across a modal step: remembered when made, given
// back when destroyed.
class KeepWorkPlace {
 public:
  KeepWorkPlace();
  ~KeepWorkPlace();
  KeepWorkPlace(const KeepWorkPlace&) = delete;
  KeepWorkPlace& operator=(const KeepWorkPlace&) = delete;

 private:
  std::function<void()> giveBack_;
};

}  // namespace platform

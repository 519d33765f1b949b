#pragma once
// Start-up shows the main window and its first page before anything the
// first paint does not need: the settings written on the way reach the disk
// in one write, and work such as weekday backups waits until the window has
// painted. What ends up on disk is the same; only its order changes, and a
// start-up cut short by an end of the program (a switch that ends it, a
// refusal, a forced end) still does what it held back before it ends.
#include <functional>
#include <optional>

#include "core/platform/ProgramExit.h"
#include "core/settings/IniWriteBatch.h"

class QObject;

class FirstPaintDeferral {
 public:
  FirstPaintDeferral();
  // Finishes the deferral when it was not finished (a start-up cut short).
  ~FirstPaintDeferral();
  FirstPaintDeferral(const FirstPaintDeferral&) = delete;
  FirstPaintDeferral& operator=(const FirstPaintDeferral&) = delete;

  // Runs the held work in the order it came, then writes the settings.
  void finish();

  // Finishes on the event loop's first turn, which comes once start-up has
  // handed it the painted, enabled window: the user can act before the held
  // work runs. With context gone first, it is left to the destructor.
  void finishOnLoopsFirstTurn(QObject* context);

 private:
  std::optional<IniWriteBatch> settings_;
  // The program ends at once, without unwinding to the destructor.
  platform::WorkBeforeEnd beforeEnd_{[this] { finish(); }};
};

// Runs the work after the first paint while a start-up holds it, else now.
void RunAfterFirstPaint(std::function<void()> work);

// Lets pending window messages run once. While a start-up holds the first
// paint they wait for the start-up's own turn of the loop, which paints the
// window with its first page: a turn in the middle of loading that page
// would paint the window, its menu bar still greyed, without it.
void RunPendingMessages();

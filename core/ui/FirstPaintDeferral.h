#pragma once
// Start-up shows the main window and its first page before anything the
// first paint does not need: the settings written on the way reach the disk
// in one write, and work such as weekday backups waits until the window has
// painted. What ends up on disk is the same; only its order changes.
#include <functional>
#include <optional>

#include "core/settings/IniWriteBatch.h"

class FirstPaintDeferral {
 public:
  FirstPaintDeferral();
  // Finishes the deferral when it was not finished (a start-up cut short).
  ~FirstPaintDeferral();
  FirstPaintDeferral(const FirstPaintDeferral&) = delete;
  FirstPaintDeferral& operator=(const FirstPaintDeferral&) = delete;

  // Runs the held work in the order it came, then writes the settings.
  void finish();

 private:
  std::optional<IniWriteBatch> settings_;
};

// Runs the work after the first paint while a start-up holds it, else now.
void RunAfterFirstPaint(std::function<void()> work);

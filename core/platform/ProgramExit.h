#pragma once
// Ending the program at once, the way the main window's close, the preview's
// forced end and the start-up refusals do it: no window is closed one by one
// and nothing more is saved. Tests install a handler that records the request
// instead; EndProgram then returns, so every caller returns right after it.
#include <functional>

namespace platform {

// Runs the work held for the end (below), then ends the program.
void EndProgram(int exitCode = 0);

using EndProgramHandler = std::function<void(int exitCode)>;
// Installs a handler in place of the real end; an empty handler restores it.
void SetEndProgramHandler(EndProgramHandler handler);

// Work that an end at once must not drop: while one of these lives, every
// way the program ends runs its work first (the oldest first), so that
// what start-up holds back for later reaches the disk when start-up is cut
// short. Work that has run is not run again by a later end.
class WorkBeforeEnd {
 public:
  explicit WorkBeforeEnd(std::function<void()> work);
  ~WorkBeforeEnd();
  WorkBeforeEnd(const WorkBeforeEnd&) = delete;
  WorkBeforeEnd& operator=(const WorkBeforeEnd&) = delete;

 private:
  std::function<void()> work_;
  friend void EndProgram(int exitCode);
};

}  // namespace platform

#include "ProgramExit.h"

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "core/platform/TestSeamRegistry.h"

#include "core/platform/LeakCheck.h"
#ifdef RINGPAD_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace platform {
namespace {
EndProgramHandler& endProgramHandler() {
  static EndProgramHandler h;
  return h;
}

std::vector<WorkBeforeEnd*>& workBeforeEnd() {
  static std::vector<WorkBeforeEnd*> work;
  return work;
}
}  // namespace

WorkBeforeEnd::WorkBeforeEnd(std::function<void()> work) : work_(std::move(work)) { workBeforeEnd().push_back(this); }

WorkBeforeEnd::~WorkBeforeEnd() { std::erase(workBeforeEnd(), this); }

void EndProgram(int exitCode) {
  // Each piece is taken out before it runs, so that it runs once even when
  // it ends the program itself.
  for (size_t i = 0; i < workBeforeEnd().size(); ++i)
    if (std::function<void()> work = std::exchange(workBeforeEnd()[i]->work_, {})) work();
  if (endProgramHandler()) {
    endProgramHandler()(exitCode);
    return;
  }
  // Every file was written through a committed save before this point; only
  // buffered console output is left to flush. Skipping the static destructors
  // avoids tearing down toolkit objects while windows still exist.
  std::fflush(nullptr);
#ifdef RINGPAD_LEAK_CHECK
  // _Exit skips the leak check made at a normal exit; a leak found here ends
  // the process with the sanitizer's status.
  __lsan_do_leak_check();
#endif
  std::_Exit(exitCode);
}

void SetEndProgramHandler(EndProgramHandler h) {
  RegisterSeamReset([] { SetEndProgramHandler({}); });
  endProgramHandler() = std::move(h);
}

}  // namespace platform

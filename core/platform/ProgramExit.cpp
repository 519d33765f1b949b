#include "ProgramExit.h"

#include <cstdio>
#include <cstdlib>

#include "core/platform/TestSeamRegistry.h"

namespace platform {
namespace {
EndProgramHandler& endProgramHandler() {
  static EndProgramHandler h;
  return h;
}
}  // namespace

void EndProgram(int exitCode) {
  if (endProgramHandler()) {
    endProgramHandler()(exitCode);
    return;
  }
  // Every file was written through a committed save before this point; only
  // buffered console output is left to flush. Skipping the static destructors
  // avoids tearing down toolkit objects while windows still exist.
  std::fflush(nullptr);
  std::_Exit(exitCode);
}

void SetEndProgramHandler(EndProgramHandler h) {
  RegisterSeamReset([] { SetEndProgramHandler({}); });
  endProgramHandler() = std::move(h);
}

}  // namespace platform

#pragma once
// Ending the program at once, the way the main window's close, the preview's
// forced end and the start-up refusals do it: no window is closed one by one
// and nothing more is saved. Tests install a handler that records the request
// instead; EndProgram then returns, so every caller returns right after it.
#include <functional>

namespace platform {

void EndProgram(int exitCode = 0);

using EndProgramHandler = std::function<void(int exitCode)>;
// Installs a handler in place of the real end; an empty handler restores it.
void SetEndProgramHandler(EndProgramHandler handler);

}  // namespace platform

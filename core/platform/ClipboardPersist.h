#pragma once
// Text put on the clipboard by a program that ends right afterwards (the
// "CA" start-up switch) must outlive it: on X11 the clipboard lives in the
// owning program, so the text is handed to the desktop's clipboard manager;
// where no manager takes it, the text also goes to standard output.
#include <cstdio>

namespace platform {

// Hands the clipboard's text (see Clipboard.h) over before the program ends.
// True when a clipboard manager took it; otherwise the text is written to
// fallback as UTF-8, exactly as it stands on the clipboard, and the result is
// false. An empty clipboard writes nothing.
bool KeepClipboardTextAfterExit(std::FILE* fallback = stdout);

}  // namespace platform

#pragma once
// Where the program keeps its files, and the name it runs under.
#include <QString>

namespace platform {

// The program folder: RINGPAD_HOME when set; else the executable's folder
// when it is writable; else the per-user data folder (created). Always ends
// with "/".
QString ResolveProgramFolder(const QString& executablePath);

// The executable's file name without a final ".exe" ("ringpad" for
// "/usr/bin/ringpad" or "RINGPAD.EXE", "dozir" for a link named "dozir",
// "ringpad-3.16.01" unchanged).
QString ExecutableBaseName(const QString& argv0);

}  // namespace platform

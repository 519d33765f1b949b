#pragma once
// Where the program keeps its files, and the name it runs under.
#include <QString>

namespace platform {

// The program folder: RINGPAD_HOME when set; else the executable's folder
// when it is writable; else the per-user data folder (created). Always ends
// with "/".
QString ResolveProgramFolder(const QString& executablePath);

// The executable's base name without extension ("ringpad" for
// "/usr/bin/ringpad", "dozir" for a link named "dozir").
QString ExecutableBaseName(const QString& argv0);

}  // namespace platform

#pragma once
// Where the program keeps its files, and the name it runs under.
#include <QString>

namespace platform {

// The program folder: RINGPAD_HOME when set; else the executable's folder
// when it already holds the program's settings file and is writable (a
// portable copy); else the per-user data folder (created). Always ends with
// "/". A build folder is therefore never where anyone's data lives.
QString ResolveProgramFolder(const QString& executablePath);

// The per-user data folder that holds the data of an installed program.
QString PerUserDataFolder();

// True when files can be created in the folder.
bool IsWritableFolder(const QString& folder);
// Makes IsWritableFolder answer false for the folder (a read-only folder for
// tests, which run where every folder is writable); "" ends it.
void SetReadOnlyFolderOverride(const QString& folder);

// The executable's file name without a final ".exe" ("ringpad" for
// "/usr/bin/ringpad" or "RINGPAD.EXE", "dozir" for a link named "dozir",
// "ringpad-3.16.01" unchanged).
QString ExecutableBaseName(const QString& argv0);

}  // namespace platform

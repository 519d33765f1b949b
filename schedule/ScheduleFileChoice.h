#pragma once
// Which schedule file the schedule window shows when it loads.
#include <QString>

// The file named under FILE in DIDUVUV ("diduvuv.txt" written there when it
// is empty; a bare name is taken from the program folder). When that file
// does not exist the window falls back to "diduvuv.txt" in the current
// folder: when that one is missing too it is created with the holiday lines
// and nothing is said; otherwise the user is told of the switch. Either way
// FILE then names "diduvuv.txt". Returns the path as it is stored.
QString SettleScheduleFile();

// The path to open for a stored path, whose folders may be separated by
// "\": settings files written on Windows use that separator.
QString ScheduleFileLocation(const QString& storedPath);

// True when the stored path names an existing ordinary file.
bool ScheduleFileExists(const QString& storedPath);

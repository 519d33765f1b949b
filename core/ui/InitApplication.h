#pragma once
// The start-up of the shared globals, folders and settings file.
#include <QString>
#include <cstdint>

class MainWindow;

// What InitApplication returns when another instance runs and the program
// has been ended (a test's end handler lets it return).
constexpr int16_t kInitProgramEnded = -1;

// 0 for a normal start, 1 when the settings file did not exist, 2 when it
// held another VERSION.
int16_t InitApplication(MainWindow& form, const QString& version);

// The default printer's probe and its offset, which load the printing
// system and which the window does not need to take input: they run once
// the event loop first waits after start-up, or before the first print job
// when that comes sooner. (The preview window is made when a preview first
// asks for it.)
void ProbePrinterOnceTakingInput(MainWindow& form);

// The lock file that tells a second instance of the same executable in the
// same program folder to stand down: in the program folder, or in the
// per-user runtime folder when the program folder is read-only.
QString InstanceLockPath();
// The runtime folder's lock for this program folder and executable.
QString RuntimeInstanceLockPath();

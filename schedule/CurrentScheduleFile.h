#pragma once
// The schedule file last opened in the schedule window; the to-do window
// shows and writes into this file instead of the one named in the settings
// while it is not empty. Empty at start and kept until the program ends.
#include <QString>

extern QString CurrentScheduleFile;

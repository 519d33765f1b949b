#pragma once
// Globals set up when the program starts and read all over the program.
#include <QString>
#include <cstdint>

extern QString TodayText;         // "yyyy/mm/dd" of the program start
extern QString ProgramVersion;    // "3.16.01"
extern QString ExeName;           // executable name without extension
extern QString ProgramFolder;     // program folder, always ending with "/"
extern QString BackupFolder;      // ProgramFolder + "bak/"
extern QString DataFolder;        // ProgramFolder + "dat/"
extern QString ImportDataFolder;  // ProgramFolder + "dat/"
extern int16_t CloseVeto;         // -1 = a page window refused the close in progress
extern int16_t ImeKana;           // input-method mode of text boxes (kept, not applied)

// Sets ProgramFolder and ExeName (and the folders under it) from argv[0];
// used at start-up and by tests that need a program folder.
void SetProgramPaths(const QString& argv0);

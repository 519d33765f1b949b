#include "AppGlobals.h"

#include "core/platform/ProgramPaths.h"

QString TodayText;
QString ProgramVersion = QStringLiteral("3.16.01");
QString ExeName;
QString ProgramFolder;
QString BackupFolder;
QString DataFolder;
QString ImportDataFolder;
int16_t CloseVeto = 0;
int16_t ImeKana = 0;

void SetProgramPaths(const QString& argv0) {
  ProgramFolder = platform::ResolveProgramFolder(argv0);
  ExeName = platform::ExecutableBaseName(argv0);
  BackupFolder = ProgramFolder + QStringLiteral("bak/");
  DataFolder = ProgramFolder + QStringLiteral("dat/");
  ImportDataFolder = DataFolder;
}

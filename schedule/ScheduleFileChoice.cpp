#include "ScheduleFileChoice.h"

#include <QFileInfo>

#include "HolidayLines.h"
#include "ScheduleFile.h"
#include "ScheduleOptions.h"
#include "core/platform/MessageBox.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"

QString ScheduleFileLocation(const QString& storedPath) {
  QString path = storedPath;
  path.replace(u'\\', u'/');
  return path;
}

// A wildcard in a stored name is taken as an ordinary character, never as a
// pattern that some other file might match.
bool ScheduleFileExists(const QString& storedPath) {
  return !storedPath.isEmpty() && QFileInfo(ScheduleFileLocation(storedPath)).isFile();
}

QString SettleScheduleFile() {
  const QString key = QStringLiteral("FILE");
  QString path = GetIniValueOrDefault(kScheduleSection, key, ScheduleFile::DefaultName());
  if (!path.contains(u'\\') && !path.contains(u'/')) path = ProgramFolder + path;
  if (ScheduleFileExists(path)) return path;

  // Settings that cannot be read name no file: the default one is shown,
  // and no switch is announced or stored.
  const bool settingsUnreadable = SettingsFileUnreadable();
  path = ScheduleFile::DefaultName();
  if (settingsUnreadable) {
    if (!ScheduleFileExists(path)) WriteHolidayLines(path, {.ownAccord = true});
    return path;
  }
  if (!ScheduleFileExists(path)) {
    WriteHolidayLines(path, {.ownAccord = true});
  } else {
    platform::ShowMessage(QStringLiteral("予定ファイルが見つからなかったので、「") + path +
                              QStringLiteral("」に切り替えます。"),
                          platform::MsgButtons::Ok, platform::MsgIcon::Critical);
  }
  WriteIniValue(kScheduleSection, key, path);
  return path;
}

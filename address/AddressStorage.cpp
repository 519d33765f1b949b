#include "AddressStorage.h"

#include "core/settings/AppGlobals.h"
#include "core/settings/ProgramRelativePath.h"
#include "core/settings/WeekdayBackup.h"

namespace {

const QString kBackupStem = QStringLiteral("dozir");
const QString kBackupExtension = QStringLiteral("csv");

}  // namespace

QString AddressFileLocation(const QString& storedPath) {
  QString path = storedPath;
  path.replace(u'\\', u'/');
  if (!path.isEmpty() && !path.contains(u'/')) path = ProgramFolder + path;
  return path;
}

QString AddressStoredPath(const QString& chosenPath) {
  return ProgramRelativePath(chosenPath, RelativeStyle::DotPrefixed);
}

QString AddressWeekdayBackupPath(const QDate& today) {
  return WeekdayBackupPath(kBackupStem, kBackupExtension, today);
}

bool MakeAddressWeekdayBackup(const QString& path, const QDate& today) {
  return MakeWeekdayBackup(path, kBackupStem, kBackupExtension,
                           QStringLiteral("バックアップファイルが書き込み禁止になっています。"), today);
}

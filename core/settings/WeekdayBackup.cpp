#include "WeekdayBackup.h"

#include <QFileInfo>

#include "AppGlobals.h"
#include "core/platform/MessageBox.h"
#include "core/platform/SafeSave.h"
#include "core/platform/TextLines.h"

QString WeekdayBackupPath(const QString& stem, const QString& extension, const QDate& today) {
  // Qt numbers Monday 1 .. Sunday 7; the backups number Sunday 1 .. Saturday 7.
  const int weekday = today.dayOfWeek() % 7 + 1;
  return BackupFolder + stem + QString::number(weekday) + QStringLiteral(".") + extension;
}

bool MakeWeekdayBackup(const QString& path, const QString& stem, const QString& extension,
                       const QString& failureMessage, const QDate& today) {
  if (!QFileInfo::exists(path)) return true;  // nothing to keep yet
  QByteArray content;
  if (!platform::ReadWholeFileOrReport(path, content)) return false;
  if (platform::SaveFileAtomically(WeekdayBackupPath(stem, extension, today), content)) return true;
  platform::ShowMessage(failureMessage, platform::MsgButtons::Ok, platform::MsgIcon::Critical);
  return false;
}

#include "ScheduleFile.h"

#include <QFile>

#include "core/platform/MessageBox.h"
#include "core/platform/SafeSave.h"
#include "core/platform/TextLines.h"
#include "core/settings/AppGlobals.h"

QString ScheduleFile::DefaultName() { return QStringLiteral("diduvuv.txt"); }

bool ScheduleFile::ReadLines(const QString& path, QStringList& lines) {
  return platform::ReadTextLines(path, lines);
}

bool ScheduleFile::Read(const QString& path, QList<ScheduleLine>& lines) {
  lines.clear();
  QStringList raw;
  if (!ReadLines(path, raw)) return false;
  lines.reserve(raw.size());
  for (const QString& line : raw) lines.append(ScheduleLine(line));
  return true;
}

bool ScheduleFile::Write(const QString& path, const QStringList& lines) {
  return platform::SaveFileOrReport(path, platform::JoinLinesCrLf(lines));
}

QString ScheduleFile::TempCopyPath() { return ProgramFolder + QStringLiteral("ringpad.tmp"); }

bool ScheduleFile::Rewrite(const QString& path, const QStringList& lines) {
  return Rewrite(path, platform::JoinLinesCrLf(lines));
}

bool ScheduleFile::Rewrite(const QString& path, const QByteArray& content) {
  const QString temp = TempCopyPath();
  QFile::remove(temp);
  if (QFile::exists(path)) platform::CopyFileAtomically(path, temp);
  return platform::SaveFileOrReport(path, content);
}

QString ScheduleFile::WeekdayBackupPath(const QDate& today) {
  // Qt numbers Monday 1 .. Sunday 7; the backups number Sunday 1 .. Saturday 7.
  const int weekday = today.dayOfWeek() % 7 + 1;
  return BackupFolder + QStringLiteral("diduvuv%1.txt").arg(weekday);
}

bool ScheduleFile::MakeWeekdayBackup(const QString& path, const QDate& today) {
  if (!QFile::exists(path)) return true;  // nothing to keep yet
  if (platform::CopyFileAtomically(path, WeekdayBackupPath(today))) return true;
  platform::ShowMessage(QStringLiteral("バックアップファイルが書き込み禁止になっています。"),
                        platform::MsgButtons::Ok, platform::MsgIcon::Critical);
  return false;
}

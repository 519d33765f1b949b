#include "ScheduleFile.h"

#include "core/platform/TextLines.h"
#include "core/settings/WeekdayBackup.h"

namespace {
const QString kBackupStem = QStringLiteral("diduvuv");
const QString kBackupExtension = QStringLiteral("txt");
const QString kScheduleBackupWriteProtected = QStringLiteral("バックアップファイルが書き込み禁止になっています。");
}  // namespace

QStringList ReadScheduleFile(const QByteArray& bytes) {
  QStringList lines;
  platform::ForEachTextLineOf(bytes, [&](const QString& line) { lines.append(line); });
  return lines;
}

QByteArray WriteScheduleFile(const QStringList& lines) { return platform::JoinLinesCrLf(lines); }

QString ScheduleFile::DefaultName() { return QStringLiteral("diduvuv.txt"); }

bool ScheduleFile::ReadLines(const QString& path, QStringList& lines, QString* error) {
  return platform::ReadTextLines(path, lines, error);
}

bool ScheduleFile::Read(const QString& path, QList<ScheduleLine>& lines) {
  lines.clear();
  QStringList raw;
  if (!ReadLines(path, raw)) return false;
  lines.reserve(raw.size());
  for (const QString& line : raw) lines.append(ScheduleLine(line));
  return true;
}

bool ScheduleFile::Write(const QString& path, const QStringList& lines, const DataFileWriteOptions& options) {
  return WriteDataFile(path, lines, options);
}

QString ScheduleFile::TempCopyPath() { return ::TempCopyPath(); }

bool ScheduleFile::Rewrite(const QString& path, const DataFileEdit& edit) {
  return RewriteDataFile(path, edit, {.keepTempCopy = true});
}

bool ScheduleFile::Rewrite(const QString& path, const QStringList& lines) {
  return WriteDataFile(path, lines, {.keepTempCopy = true});
}

bool ScheduleFile::RewriteBytes(const QString& path, const DataFileByteEdit& edit) {
  return RewriteDataFileBytes(path, edit, {.keepTempCopy = true});
}

QString ScheduleFile::WeekdayBackupPath(const QDate& today) {
  return ::WeekdayBackupPath(kBackupStem, kBackupExtension, today);
}

bool ScheduleFile::MakeWeekdayBackup(const QString& path, const QDate& today) {
  return ::MakeWeekdayBackup(path, kBackupStem, kBackupExtension, kScheduleBackupWriteProtected, today);
}

bool ScheduleFile::MakeWeekdayBackupOfBytes(const QByteArray& content, const QDate& today) {
  return ::MakeWeekdayBackupOfBytes(content, kBackupStem, kBackupExtension, kScheduleBackupWriteProtected, today);
}

#pragma once
// The schedule file: code page 932 lines ended by CR LF, read whole and
// written whole. Every change goes through the shared data file routines
// (core/settings/DataFileRewrite.h): locked for the whole cycle, read again
// under the lock, replaced in one step, untouched lines kept as their bytes.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "ScheduleLine.h"
#include "core/settings/DataFileRewrite.h"

// The file's bytes as its lines (CR LF, LF or a lone CR end a line; the last
// line needs no line end), and lines as the bytes of a whole file, each line
// in code page 932 ended by CR LF. Neither touches a file: reading one from
// disk gives the lines ReadScheduleFile gives of its bytes, and the shared
// rewrite writes these bytes for lines it did not find in the file.
QStringList ReadScheduleFile(const QByteArray& bytes);
QByteArray WriteScheduleFile(const QStringList& lines);

class ScheduleFile {
 public:
  // "diduvuv.txt", the schedule file in the program folder by default.
  static QString DefaultName();

  // Reads every line (CR LF, LF or a lone CR; the last line needs no line
  // end); false and no lines when the file cannot be opened or read to its
  // end, with the reason in *error when given.
  static bool ReadLines(const QString& path, QStringList& lines, QString* error = nullptr);
  static bool Read(const QString& path, QList<ScheduleLine>& lines);

  // Writes the lines as the whole file; a failure is shown in a message box
  // and leaves the old file untouched.
  static bool Write(const QString& path, const QStringList& lines, const DataFileWriteOptions& options = {});

  // The temporary-copy rewrite of entry edits: under the file's lock the file
  // as it stands is copied to "ringpad.tmp" in the program folder (replacing
  // an older copy), then written anew. The edit form builds the new lines
  // from the file as read under the lock, so a second program's change made
  // meanwhile is kept; the list form writes the lines given.
  static bool Rewrite(const QString& path, const DataFileEdit& edit);
  static bool Rewrite(const QString& path, const QStringList& lines);
  // The edit form on the lines as their bytes, for a big import.
  static bool RewriteBytes(const QString& path, const DataFileByteEdit& edit);
  static QString TempCopyPath();

  // The rolling weekday backup: the file is copied into the backup folder as
  // "diduvuv" + weekday number (1 = Sunday .. 7 = Saturday) + ".txt".
  static QString WeekdayBackupPath(const QDate& today);
  // Makes that copy when the file exists; a failure shows "バックアップファイルが書き込み禁止に
  // なっています。" (critical), a file that cannot be read its read failure, and
  // the result is false; loading goes on.
  static bool MakeWeekdayBackup(const QString& path, const QDate& today);
  // The same from the bytes of a read of the file that succeeded.
  static bool MakeWeekdayBackupOfBytes(const QByteArray& content, const QDate& today);
};

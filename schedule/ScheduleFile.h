#pragma once
// The schedule file: code page 932 lines ended by CR LF, read whole and
// written whole. Every rewrite replaces the file in one step, so a failed
// write leaves the old file as it was.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "ScheduleLine.h"

class ScheduleFile {
 public:
  // "diduvuv.txt", the schedule file in the program folder by default.
  static QString DefaultName();

  // Reads every line (CR LF, LF or a lone CR; the last line needs no line
  // end); false and no lines when the file cannot be opened.
  static bool ReadLines(const QString& path, QStringList& lines);
  static bool Read(const QString& path, QList<ScheduleLine>& lines);

  // Writes the lines as the whole file; a failure is shown in a message box
  // and leaves the old file untouched.
  static bool Write(const QString& path, const QStringList& lines);

  // The temporary-copy rewrite of entry edits: the file as it stands is
  // copied to "ringpad.tmp" in the program folder (replacing an older copy),
  // then written anew with the lines. The copy is a convenience for the
  // user; when it cannot be made the rewrite still goes on, since the file
  // itself is replaced atomically.
  static bool Rewrite(const QString& path, const QStringList& lines);
  // The same with the file's whole content already encoded.
  static bool Rewrite(const QString& path, const QByteArray& content);
  static QString TempCopyPath();

  // The rolling weekday backup: the file is copied into the backup folder as
  // "diduvuv" + weekday number (1 = Sunday .. 7 = Saturday) + ".txt".
  static QString WeekdayBackupPath(const QDate& today);
  // Makes that copy when the file exists; a failure shows "バックアップファイルが書き込み禁止に
  // なっています。" (critical) and returns false, and loading goes on.
  static bool MakeWeekdayBackup(const QString& path, const QDate& today);
};

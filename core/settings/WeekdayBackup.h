#pragma once
// The rolling weekday backup of a data file, made when its window loads: one
// copy per weekday in the backup folder, so that a week of mistakes can be
// undone by hand.
#include <QDate>
#include <QString>

// BackupFolder + stem + weekday number (1 = Sunday .. 7 = Saturday) + "." +
// extension, e.g. "bak/diduvuv3.txt" on a Tuesday.
QString WeekdayBackupPath(const QString& stem, const QString& extension, const QDate& today);

// The backup folder as its messages name it: native separators, without
// the closing one.
QString ShownBackupFolder();
// True when the backup folder is a symbolic link.
bool BackupFolderIsLink();
// The notice that the backup folder is a link and no backups are made.
QString LinkedBackupFolderMessage();
// The notice above is given once per run; tests start a new run here.
void ForgetLinkedBackupFolderNotice();

// How a copy into the backup folder went.
enum class BackupCopy { Saved, FolderIsLink, Failed };
// Saves content as the file at path, which lies in the backup folder. Every
// write into the backup folder comes here, so that none goes through a
// backup folder that is a link (it would carry the copy into another folder,
// replacing a file of the same name there): such a folder receives nothing.
// A link planted at the path itself is replaced, never written through.
// Nothing is told here; a failure's reason is left in *error.
BackupCopy SaveBackupCopy(const QString& path, const QByteArray& content, QString* error = nullptr);

// Copies the file there when it exists (replacing the week-old copy, and a
// link planted there, never writing through it). A backup folder that is a
// link gets nothing: the notice above is shown once and true returned. A
// file that cannot be read shows the read failure and leaves the old backup
// as it was; a backup that cannot be written shows failureMessage (critical)
// when the file or folder is write-protected, else the save failure with
// the system's reason. False after either; the caller's loading goes on.
bool MakeWeekdayBackup(const QString& path, const QString& stem, const QString& extension,
                       const QString& failureMessage, const QDate& today);

// The same for a file the caller has just read whole: content is what the
// read gave, so the file is read once for the backup and the caller's own
// use. Only a successful read is to be handed in; a failed one writes no
// backup.
bool MakeWeekdayBackupOfBytes(const QByteArray& content, const QString& stem, const QString& extension,
                              const QString& failureMessage, const QDate& today);

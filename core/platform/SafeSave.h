#pragma once
// Files are never rewritten in place: the new content is written completely to
// a temporary file beside the old one, made durable, and then replaces it in
// one step. Whatever fails on the way, the old file keeps its bytes and no
// temporary file is left behind.
#include <QByteArray>
#include <QString>

namespace platform {

// Replaces the file with the content; false (old file untouched) on failure,
// with a reason in *error when given. A failed write, data sync or close is a
// failed save; the folder is synced after the rename. An existing file that
// is not writable is refused. A symbolic link at the path is replaced by the
// file, never written through: backups and temporary copies stay inside the
// program folder whatever a link points to.
bool SaveFileAtomically(const QString& path, const QByteArray& content, QString* error = nullptr);

// The file a path names: a symbolic link is followed to the file it names
// (also when that file is not there yet), anything else is the path itself.
QString FollowedLinkPath(const QString& path);

// As SaveFileAtomically, but a symbolic link at the path is written through:
// the file it names is replaced atomically and the link stays. For the files
// the user may keep elsewhere on purpose, such as the settings file.
bool SaveFileThroughLink(const QString& path, const QByteArray& content, QString* error = nullptr);

// The message of a failed save, naming the file.
QString SaveFailureMessage(const QString& path, const QString& reason);

// As SaveFileAtomically, and a failure is reported (Problem::WriteFailed) as
// that of a change the user made: every caller saves what the user asked.
bool SaveFileOrReport(const QString& path, const QByteArray& content);

// Copies a file the same way (the target replaced atomically). A source that
// cannot be read to its end copies nothing.
bool CopyFileAtomically(const QString& from, const QString& to, QString* error = nullptr);

}  // namespace platform

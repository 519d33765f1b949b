#pragma once
// How the to-do and memo windows read, check, back up and write their data
// files. One place, so that both windows refuse the same text, ask the same
// question before rewriting a file that is not code page 932, and never
// leave a half-written file behind.
#include <QString>
#include <QStringList>
#include <functional>

#include "core/settings/DataFileRewrite.h"

namespace todo {

// True when the file chosen to be opened as a list holds text; a picture or
// another binary file (NUL bytes in its first part), or UTF-16 text, is
// refused with a message naming it, as is a file that cannot be read.
bool CheckChosenTextFile(const QString& path);

// True when code page 932 can hold the typed text; otherwise the user is
// told which characters it cannot hold and false is returned.
bool CheckTypedText(const QString& text);

// Replaces the whole file with the lines, each ended by CR LF. A file whose
// bytes would not survive the rewrite is rewritten only when the user agrees.
// A failure is shown naming the file, and the old file keeps its bytes.
bool WriteDataFile(const QString& path, const QStringList& lines);


// Changes the file's lines under the file's lock, re-read there, so that
// line numbers taken from the file apply to what it holds now; otherwise as
// WriteDataFile. The edit returns false to leave the file alone.
bool ChangeDataFile(const QString& path, const std::function<bool(QStringList& lines)>& edit, bool keepTempCopy);

// Makes the file with the lines, unless it holds lines already: another copy
// of the program made it since the window looked. False then too.
bool CreateDataFile(const QString& path, const QStringList& lines);

// A window's list is built from the file's lines as it last read or wrote
// them (the seen lines); the line numbers it carries name those lines only.
// When another writer (a second copy of the program on the same folder) has
// changed the file since, a change built on the list would drop or hit the
// wrong lines: it is declined instead, and the window reads the file again.
enum class SeenResult { Done, Stale, Failed };

// The edit under the file's lock, run only while the file still holds the
// seen lines; once written, the seen lines are the new ones. Stale when the
// file holds others (nothing written, nothing said: the caller reloads and
// tells), Failed when the write failed, was cancelled or the edit declined.
SeenResult ChangeSeenDataFile(const QString& path, QStringList& seen,
                              const std::function<bool(QStringList& lines)>& edit,
                              const DataFileWriteOptions& options = {});

// Done when the file still holds the seen lines and may be rewritten: a file
// not in code page 932 has the user's word now, so that a change of two files
// asks before it writes either. A read failure is shown and gives Failed.
// The cycle under the lock checks again.
SeenResult CheckSeenDataFile(const QString& path, const QStringList& seen);

// The files' names in the stale-list message (core/settings/DataFileRewrite.h).
inline const QString kToDoFileSubject = QStringLiteral("ToDoファイル");
inline const QString kMemoFileSubject = QStringLiteral("メモファイル");
void ShowStaleListMessage(const QString& subject);

// Copies the file to the backup folder as stem + weekday number (1 Sunday
// to 7 Saturday) + "." + extension when it exists; a failure is reported and
// false returned, and loading goes on.
bool MakeWeekdayBackup(const QString& path, const QString& stem, const QString& extension);

}  // namespace todo

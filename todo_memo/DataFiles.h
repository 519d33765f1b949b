#pragma once
// How the to-do and memo windows read, check, back up and write their data
// files. One place, so that both windows refuse the same text, ask the same
// question before rewriting a file that is not code page 932, and never
// leave a half-written file behind.
#include <QString>
#include <QStringList>
#include <functional>

namespace todo {

// Reads the file's lines (CR LF, LF or a lone CR end a line); false and no
// lines when it cannot be read.
bool ReadDataFile(const QString& path, QStringList& lines);

// True when code page 932 can hold the typed text; otherwise the user is
// told which characters it cannot hold and false is returned.
bool CheckTypedText(const QString& text);

// Replaces the whole file with the lines, each ended by CR LF. A file whose
// bytes would not survive the rewrite is rewritten only when the user agrees.
// A failure is shown naming the file, and the old file keeps its bytes.
bool WriteDataFile(const QString& path, const QStringList& lines);

// As WriteDataFile, keeping the file as it was in "ringpad.tmp" in the
// program folder first, where users have always found the previous state.
bool RewriteDataFileWithCopy(const QString& path, const QStringList& lines);

// Changes the file's lines under the file's lock, re-read there, so that
// line numbers taken from the file apply to what it holds now; otherwise as
// WriteDataFile. The edit returns false to leave the file alone.
bool ChangeDataFile(const QString& path, const std::function<bool(QStringList& lines)>& edit, bool keepTempCopy);

// Copies the file to the backup folder as stem + weekday number (1 Sunday
// to 7 Saturday) + "." + extension when it exists; a failure is reported and
// false returned, and loading goes on.
bool MakeWeekdayBackup(const QString& path, const QString& stem, const QString& extension);

}  // namespace todo

#pragma once
// How every window changes its data files (schedule, to-do, memo, address,
// table, ...), so that no change is ever lost or half-done:
//
//  1. an exclusive lock on the file is taken for the whole cycle, so that a
//     second copy of the program on the same folder waits instead of writing
//     over this change (platform::FileLock, whose wait keeps the windows
//     painted); no message box or question is ever shown while the lock is
//     held, so that the other copy never waits on this one's user;
//  2. the file is read again under the lock, and every read is checked: a
//     failed read shows "「<path>」を読み込めませんでした。(<reason>)" and nothing
//     is written;
//  3. the caller's edit builds the new content whole from the lines as they
//     stand now; it may decline, and then nothing is written;
//  4. a file whose bytes would not survive the code page 932 round trip is
//     rewritten only with the user's word (platform::ConfirmRewriteOfForeignBytes),
//     asked with the lock released; the cycle then starts again from step 1
//     on the file as it stands after the answer;
//  5. where the window keeps the temporary copy, the file as it stood is
//     copied to "ringpad.tmp" in the program folder first;
//  6. the file is replaced atomically (data synced, close checked, renamed,
//     folder synced); lines the edit left alone keep their bytes exactly;
//     a failure shows a message naming the file (once the lock is
//     released), and the old file stays byte-identical.
//
// A file that does not exist reads as no lines, so that the first change
// creates it. A symbolic link at the path is followed: the user's data file
// is the file the link names.
//
//   RewriteDataFile(path, [&](QStringList& lines) {
//     lines.insert(at, newLine);
//     return true;
//   }, {.keepTempCopy = true});
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct DataFileWriteOptions {
  // Copy the file as it stood to "ringpad.tmp" before it is replaced.
  bool keepTempCopy = false;
  // Ask before rewriting a file that is not code page 932. A window that has
  // already settled that question for its file (the schedule window asks at
  // load) turns this off.
  bool confirmForeignBytes = true;
};

// Changes the file's lines in place; true to write them, false to leave the
// file alone. It runs under the lock, once per written cycle (again only
// when the file changed while the user was asked about its bytes): keep
// questions to the user outside.
using DataFileEdit = std::function<bool(QStringList& lines)>;

// The read-modify-write cycle above. True when the file was written; false
// when the edit declined, the user cancelled or a failure was shown.
bool RewriteDataFile(const QString& path, const DataFileEdit& edit, const DataFileWriteOptions& options = {});

// For windows that write their whole file from what they hold: the same lock,
// checks and atomic replace, without an edit. Lines equal to lines of the
// file as it stands keep their bytes.
bool WriteDataFile(const QString& path, const QStringList& lines, const DataFileWriteOptions& options = {});

// For windows that write a whole document to a file the user named (a
// table, a chart): its text, lines ended with CR LF, through the same cycle.
// The file there decides the encoding. One that is UTF-8 (a Linux editor's)
// stays UTF-8, its byte order mark too. Anything else gets code page 932:
// text the code page cannot hold is refused first (platform::CheckSavableText),
// a file there that is not code page 932 text is replaced only with the
// user's word, and its lines the document still holds keep their bytes. A
// file there that cannot be read is not replaced.
bool WriteDocumentFile(const QString& path, const QString& text);

// The same cycle on the file's lines as the bytes they are, for edits that
// hold what they add already encoded (a big import): no line is decoded
// and encoded again, so the cycle costs little beyond the lines themselves.
// Lines come and go without their line ends; every line is written with
// CR LF.
using DataFileByteEdit = std::function<bool(QList<QByteArray>& lines)>;
bool RewriteDataFileBytes(const QString& path, const DataFileByteEdit& edit, const DataFileWriteOptions& options = {});

// "ringpad.tmp" in the program folder.
QString TempCopyPath();

// Told after a window read its list again because the file changed behind it
// (another copy of the program wrote it); the subject names the file
// ("予定ファイル", "ToDoファイル", ...).
QString StaleListMessage(const QString& subject);

#pragma once
// A schedule file whose bytes are not code page 932 (saved as UTF-8 by a
// Linux editor, or not text at all) must not be rewritten unseen: one added
// entry would re-encode every line. What the bytes are, and the converted
// content that the window offers for a UTF-8 file.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "core/platform/CodePageChecks.h"

// The one classification every data file reader uses.
using ScheduleBytes = platform::TextBytes;
inline ScheduleBytes ClassifyScheduleBytes(const QByteArray& content) { return platform::ClassifyTextBytes(content); }

// The lines of UTF-8 content (a byte order mark dropped), to be written
// anew as code page 932.
inline QStringList Utf8Lines(const QByteArray& content) { return platform::Utf8TextLines(content); }

// Where the UTF-8 original is kept when it is converted: the backup folder,
// the file's base name with "_utf8" added, and its extension.
QString Utf8OriginalBackupPath(const QString& schedulePath);

// The question for a UTF-8 file, naming the backup and any characters lost.
QString ConvertUtf8Question(const QString& schedulePath, const QString& unsavable);
// Said instead of the question when the original cannot be kept: the backup
// folder is a link, which receives nothing.
QString Utf8OriginalNotKeptMessage(const QString& schedulePath);
// Said when an edit is tried on a file left read-only.
QString ReadOnlyScheduleMessage(const QString& schedulePath);

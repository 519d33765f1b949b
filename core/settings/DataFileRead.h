#pragma once
// Whole reads of the page windows' own data files (tables, cards, charts).
// Such a file is read into memory at once and shown in text boxes, so a file
// far larger than any of them is refused before it is read: it would only
// make the window unusable.
#include <QByteArray>
#include <QString>

constexpr qint64 kDataFileMaxBytes = 10 * 1024 * 1024;

enum class DataFileRead { Read, TooLarge, Unreadable };

// Reads the file whole. On a failure content is empty and message holds the
// text to show: "ファイルが大きすぎます（10MBまで）: <shownName>" (the path
// when shownName is empty), or the failed read naming the path.
DataFileRead ReadDataFileWithinLimit(const QString& path, QByteArray& content, QString& message,
                                     const QString& shownName = QString());

// As ReadDataFileWithinLimit, a failure shown in a message box with the
// exclamation mark; true when the file was read.
bool ReadDataFileWithinLimitOrReport(const QString& path, QByteArray& content, const QString& shownName = QString());

#pragma once
// Whole reads of the page windows' own data files (tables, cards, charts).
// Such a file is read into memory at once and shown in text boxes, so a file
// far larger than any of them is refused before it is read: it would only
// make the window unusable. A file that is no text (a picture chosen by
// mistake, binary junk) is refused too, rather than shown as garbage that a
// later write would make the user's file.
#include <QByteArray>
#include <QString>

#include "core/platform/ProblemReport.h"

constexpr qint64 kDataFileMaxBytes = 10 * 1024 * 1024;

enum class DataFileRead { Read, TooLarge, Unreadable, NotText };

// Reads the file whole. On a failure content is empty and problem says why:
// Problem::FileTooLarge with "ファイルが大きすぎます（10MBまで）: <shownName>"
// (the path when shownName is empty), the failed read (unreadableKind)
// naming the path, or Problem::NotTextFile naming the path when the bytes
// are no text (platform::IsTextContent).
DataFileRead ReadDataFileWithinLimit(const QString& path, QByteArray& content, platform::ProblemReport& problem,
                                     const QString& shownName = QString(),
                                     platform::Problem unreadableKind = platform::Problem::ViewReadFailed);

// As ReadDataFileWithinLimit, a failure reported (platform::ReportProblem);
// true when the file was read. A window that only opens the file reports a
// failed read as a warning (ViewReadFailed); one whose data lives in it may
// report it as ReadFailed.
bool ReadDataFileWithinLimitOrReport(const QString& path, QByteArray& content, const QString& shownName = QString(),
                                     platform::Problem unreadableKind = platform::Problem::ViewReadFailed);

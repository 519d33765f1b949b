#pragma once
// Whole reads of the page windows' own data files (tables, cards, charts).
// Such a file is read into memory at once and shown in text boxes, so a file
// far larger than any of them is refused before it is read: it would only
// make the window unusable.
#include <QByteArray>
#include <QString>

#include "core/platform/ProblemReport.h"

constexpr qint64 kDataFileMaxBytes = 10 * 1024 * 1024;

enum class DataFileRead { Read, TooLarge, Unreadable };

// Reads the file whole. On a failure content is empty and problem says why:
// Problem::FileTooLarge with "ファイルが大きすぎます（10MBまで）: <shownName>"
// (the path when shownName is empty), or the failed read (unreadableKind)
// naming the path.
DataFileRead ReadDataFileWithinLimit(const QString& path, QByteArray& content, platform::ProblemReport& problem,
                                     const QString& shownName = QString(),
                                     platform::Problem unreadableKind = platform::Problem::ViewReadFailed);

// As ReadDataFileWithinLimit, a failure reported (platform::ReportProblem);
// true when the file was read. A window that only opens the file reports a
// failed read as a warning (ViewReadFailed); one whose data lives in it may
// report it as ReadFailed.
bool ReadDataFileWithinLimitOrReport(const QString& path, QByteArray& content, const QString& shownName = QString(),
                                     platform::Problem unreadableKind = platform::Problem::ViewReadFailed);

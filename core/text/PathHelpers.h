#pragma once
// Taking paths apart and testing for files. Stored paths may separate
// folders with "\" (as the data files were written) or "/"; both count.
#include <QString>
#include <QStringList>

// The part after the last separator, the path's last character excepted
// (so "a\b\" gives "b\"); the whole path when it has none.
QString FileNameOfPath(const QString& path);

// The path up to and including its last separator; "" when it has none.
QString FolderOfPath(const QString& path);

// The part of the file name after its last "." (a "." in the name's last
// place does not count), trimmed of blanks; "" without a dot.
QString ExtensionOfPath(const QString& path);

// The names (without folder) of the ordinary files that match the path,
// whose last part may be a wildcard pattern ("*", "?", matched regardless of
// letter case); folders and hidden files never match. In name order. Empty
// for an empty or blank path, a missing folder or any other failure.
QStringList MatchingFiles(const QString& path);

// The first of MatchingFiles, or "" when there is none.
QString SafeDir(const QString& path);

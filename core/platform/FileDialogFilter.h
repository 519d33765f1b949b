#pragma once
// The file-type filter of the file dialogs as callers write it,
// "description|pattern;pattern|description|pattern||", and its translation
// into the name filters of Qt's file dialog.
#include <QList>
#include <QString>
#include <QStringList>

namespace platform {

struct FileFilterEntry {
  QString description;
  QStringList patterns;  // as written, e.g. "*.doc", "*.*"
};

// The description and pattern pairs, in order. The list ends where two "|"
// follow each other (the caller's closing "||"); a pair whose patterns are
// all blank is left out.
QList<FileFilterEntry> ParseFileFilter(const QString& filter);

// Qt's name filter for one entry: the description without a pattern list in
// parentheses at its end, then the patterns in parentheses, separated by
// blanks. "*.*", which stored filters use to mean every file (as Windows
// reads it), becomes "*" (Qt's "*.*" would skip names without a point).
QString QtNameFilter(const FileFilterEntry& entry);

// QtNameFilter of every entry of the caller's filter text.
QStringList QtNameFilters(const QString& filter);

}  // namespace platform

#pragma once
// Reading and writing the line-oriented code page 932 data files.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// Splits file content into lines at CR LF, LF or a lone CR. A final line end
// does not make an extra empty line.
QList<QByteArray> SplitLines(const QByteArray& content);

// Reads a whole file as decoded lines; false (and no lines) when it cannot be
// opened.
bool ReadTextLines(const QString& path, QStringList& lines);
// Reads a whole file; false when it cannot be opened.
bool ReadWholeFile(const QString& path, QByteArray& content);

// Encodes lines with a CR LF after each one.
QByteArray JoinLinesCrLf(const QStringList& lines);

// Turns CR LF, LF and lone CR into CR LF: text from the clipboard or a
// multi-line box goes through this before the line logic runs.
QString NormaliseToCrLf(const QString& text);

}  // namespace platform

#pragma once
// Reading and writing the line-oriented code page 932 data files.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

// Splits file content into lines at CR LF, LF or a lone CR. A final line end
// does not make an extra empty line.
QList<QByteArray> SplitLines(const QByteArray& content);

// Reads a whole file as decoded lines; false (and no lines) when it cannot be
// opened or read to its end, with the reason in *error when given.
bool ReadTextLines(const QString& path, QStringList& lines, QString* error = nullptr);
// Reads a whole file in one checked pass as the lines a data file's own
// reader (its Read...File) gives of its bytes. The bytes go to the reader a
// piece of whole lines at a time, so that a large file is never held whole
// as bytes besides its lines: the reader must give of two pieces, the first
// ending at a line end, the lines it gives of them joined. False (and no
// lines) as for ReadTextLines. The bytes it is given live only for the call.
using LinesReader = QStringList (*)(const QByteArray& bytes);
bool ReadTextLinesWith(const QString& path, QStringList& lines, LinesReader reader, QString* error = nullptr);
// The same pass handing each piece of whole lines on as it comes, for a
// reader that keeps little of them. On a failed read the pieces handed on
// so far are not the file's: false, with the reason in *error when given.
bool ReadLinePieces(const QString& path, const std::function<void(const QByteArray& piece)>& piece,
                    QString* error = nullptr);
// Reads a file as ReadTextLines does, handing each line on in file order
// without keeping them all: a reader that keeps a few of a million lines
// needs no memory for the rest. A line kept beyond the call holds on to the
// storage of the lines read with it (a megabyte or so), so what is kept is
// best a copy of its characters. On a failed read the lines handed on so far
// are not the file's: false, with the reason in *error when given.
bool ForEachTextLine(const QString& path, const std::function<void(const QString&)>& line,
                     QString* error = nullptr);
// The same over content already read.
void ForEachTextLineOf(const QByteArray& content, const std::function<void(const QString&)>& line);
// Reads a whole file. Every read is checked: a failing disk or network share
// gives false with the reason in *error, never a short content that looks
// like success. A folder is not a file.
bool ReadWholeFile(const QString& path, QByteArray& content, QString* error = nullptr);

// The message of a failed read, naming the file:
// "「<path>」を読み込めませんでした。(<reason>)".
QString ReadFailureMessage(const QString& path, const QString& reason);
// ReadWholeFile, and a failure is reported once (Problem::ReadFailed).
bool ReadWholeFileOrReport(const QString& path, QByteArray& content);

// Encodes lines with a CR LF after each one.
QByteArray JoinLinesCrLf(const QStringList& lines);
// As JoinLinesCrLf, but a line whose text is that of one of the original raw
// lines is written as those very bytes. A line with bytes that are not code
// page 932 (from another program or editor) then survives a rewrite that did
// not touch it; only edited and added lines are encoded.
QByteArray JoinLinesKeepingBytes(const QStringList& lines, const QList<QByteArray>& original);

// Turns CR LF, LF and lone CR into CR LF: text from the clipboard or a
// multi-line box goes through this before the line logic runs.
QString NormaliseToCrLf(const QString& text);

}  // namespace platform

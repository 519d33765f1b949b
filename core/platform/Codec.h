#pragma once
// Code page 932 (Windows-31J) is the encoding of every file the program reads
// or writes; this is the one place that converts between it and QString.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

// Decodes code page 932 bytes. Single bytes that form no character decode
// the way Windows decodes them, since files written there may hold them, so
// that re-encoding gives them back. A lead byte that makes no character with
// the next byte decodes to "・" alone, and the next byte is read on its own.
QString FromSjis(const QByteArray& bytes);
QString FromSjis(const char* data, qsizetype size);
// Decodes a whole file and splits it into lines at CR LF, LF or a lone CR; a
// final line end makes no extra empty line. Decoded a piece at a time, so
// that a large file costs its lines and bytes, not a third whole copy.
QStringList FromSjisLines(const QByteArray& content);
// Hands the content on in pieces of about a megabyte, each ending after a
// line end (a CR LF kept whole) or at the content's end.
void ForEachLinePieceOf(const QByteArray& content, const std::function<void(const char*, qsizetype)>& piece);
// The same for a piece of a file that ends at a line end (or at the file's
// end), appending its lines. The piece's lines share one block of storage,
// which lives as long as any of them.
void AppendSjisLines(const char* data, qsizetype size, QStringList& lines);

// Encodes to code page 932. Marks that Linux input methods produce for the
// same glyphs (wave dash, minus sign, ...) become their code page 932
// equivalents; anything still unmappable becomes "?".
QByteArray ToSjis(const QString& text);

// Number of code page 932 bytes that ToSjis gives for the text.
int SjisByteLength(const QString& text);
// Bytes of one UTF-16 code unit: 2 for a double-byte character, else 1
// (each half of a surrogate pair would count 1; SjisByteLength counts the pair once).
int SjisCharBytes(QChar c);

// True for the first byte of a double-byte character.
bool IsSjisLeadByte(unsigned char byte);

}  // namespace platform

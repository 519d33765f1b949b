#pragma once
// Text measured and cut in code page 932 bytes (half-width 1, full-width 2):
// page layout counts one byte as one half-width cell. Byte positions are
// 1-based. A slice is decoded as it stands: an edge that falls inside a
// double-byte character leaves one stray byte, which decodes to one
// substitute character ("・") or, for a stray trail byte, to whatever that
// byte reads as on its own.
#include <QString>
#include <cstdint>

// Number of bytes of the text in code page 932.
int32_t AnsiByteLen(const QString& text);

// byteCount bytes from startByte (1-based), decoded. A start before byte 1
// counts from byte 1; a slice reaching past the end gives the bytes there
// are; a negative count gives the empty text.
QString MidBytes(const QString& text, int32_t startByte, int32_t byteCount);
// Every byte from startByte to the end, decoded.
QString MidBytes(const QString& text, int32_t startByte);

// The first / last byteCount bytes, decoded.
QString LeftBytes(const QString& text, int32_t byteCount);
QString RightBytes(const QString& text, int32_t byteCount);

// As many characters of the text, from character position start (1-based),
// as MidBytes of the same arguments decodes to; the characters are taken from
// the text itself, so the result never ends in a stray byte: a character cut
// at byteCount is taken whole.
QString MidFitBytes(const QString& text, int32_t start, int32_t byteCount);

// Byte position (1-based) of the first occurrence of find's bytes in text's
// bytes at or after startByte, 0 when there is none. Bytes compare exactly,
// so a match may start on the trail byte of a double-byte character. An
// empty find is found at startByte while that lies inside the text.
int32_t InStrBytes(int32_t startByte, const QString& text, const QString& find);

// Half-width ASCII letters, digits, the blank, - / * + @ ~ = and half-width
// katakana turned full-width; voiced marks and other signs stay as they are.
QString ToFullWidth(const QString& text);

// The reverse of ToFullWidth (plus （ ） and ・), with voiced and semi-voiced
// katakana split into the half-width base and mark.
QString ToHalfWidthKana(const QString& text);

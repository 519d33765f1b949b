#pragma once
// Finding a line in a large sorted code page 932 text file by bisection over
// byte positions: each probe reads the bytes of one line only.
#include <QIODevice>
#include <QString>
#include <cstdint>

// Reads the line that holds the 1-based byte position of a file open for
// reading (a position past the end is taken as the second-to-last byte, one
// before the start as byte 1). Only a line feed ends a line and belongs to
// the line after it; carriage returns are dropped and TABs become blanks.
// Sets position to the line's first byte and returns the position the read
// started from.
qint64 ReadLineAtPosition(QIODevice& file, qint64& position, QString& line);

// The line whose text from the 1-based column, upper-cased, begins with key,
// in a file whose lines are sorted by that text (upper-cased, by character
// code); the first such line, upper-cased, or "" when there is none. The key
// is taken as it is: a key with lower-case letters never matches.
QString FindLineInSortedFile(QIODevice& file, const QString& key, int16_t column);

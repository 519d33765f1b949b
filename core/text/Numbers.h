#pragma once
// The one rule by which every number stored as text is read, and the rounding
// used when such a number goes into an integer.
#include <QString>
#include <cstdint>

// Reads the number at the start of the text: leading blanks skipped; sign,
// digits, fraction and exponent as a decimal; "&H" and hexadecimal digits
// (up to four digits a signed 16-bit value, five to eight a signed 32-bit
// value); reading stops at the first character that cannot continue the
// number; no number reads as 0.
double ParseNumber(const QString& text);

// Nearest integer, halves to the even neighbour.
double RoundHalfEven(double value);

// A number taken into a 16-bit or 32-bit integer (rounded half to even;
// values beyond the type's range are clamped rather than overflowing).
int16_t ToInt16(double value);
int32_t ToInt32(double value);

// ParseNumber followed by the conversion.
int16_t ParseInt16(const QString& text);
int32_t ParseInt32(const QString& text);
float ParseSingle(const QString& text);

// Zero-padded to the width, the sign counted in it, as dates are written in
// the files. Built by hand: a year calendar looks up every day of the year,
// and QString::arg took much of each lookup.
QString ZeroPadded(int n, int width);
QString TwoDigits(int n);

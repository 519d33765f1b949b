#pragma once
// Numbers formatted for printed columns.
#include <QString>

// The number formatted with a number format made of the digit placeholders
// "0" (a digit always shown) and "#" (a digit shown when needed), the grouping
// "," and the decimal point "."; other characters before and after the
// placeholders are copied. Rounds halves away from zero.
QString FormatNumberPattern(double value, const QString& format);

// The number at the start of the text (blanks, a sign, digits and a point;
// no exponent, no "&H"), formatted with the format; when the
// format has a decimal point, the trailing zeros of the fraction become
// blanks, so that right-aligned numbers keep their points in one column.
// Empty for zero (and for a text without a number).
QString FormatNumberBlankZeros(const QString& value, const QString& format);

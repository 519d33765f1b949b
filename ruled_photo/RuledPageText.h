#pragma once
// How the ruled designs read their option boxes.
#include <QString>
#include <cstdint>

#include "core/text/Numbers.h"
#include "core/text/StringHelpers.h"

// The title as the header prints it.
inline QString TrimmedTitle(const QString& title) { return TrimBlanks(title); }
// The number at the start of a box's text, 0 without one.
inline double BoxNumber(const QString& text) { return ParseNumber(text); }
// The same, rounded to a whole number (halves to the even neighbour) and
// clamped to 32 bits.
inline int32_t BoxWholeNumber(const QString& text) { return ParseInt32(text); }

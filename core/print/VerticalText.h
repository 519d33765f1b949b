#pragma once
// Vertical writing (addresses on envelopes and postcards): one character
// under the other, top to bottom.
#include <QString>

// Prints the text as a column whose left edge is the current x taken to the
// nearest whole millimetre. Half-width digits, kana, brackets and dashes are
// printed in their full-width forms; brackets, long-vowel marks, dashes and
// quotes are turned a quarter turn clockwise inside a full-width square of
// the column, so that they lie along it in their vertical forms; every other character stands upright and advances
// by one line height. Afterwards the position is below the last character.
void PrintVerticalText(const QString& text);

// The full-width form that vertical writing uses for a half-width character
// (the character itself when it has none).
QChar VerticalFormOf(QChar c);
// True for the characters that vertical writing turns.
bool TurnsInVerticalText(QChar c);

#pragma once
// Taking one field's value out of a line of pasted address text. Each routine
// looks for a label or key word in the line (Latin letters compared without
// regard to case, the first occurrence anywhere, also inside a longer word),
// adds what it found to the field's accumulator followed by one blank, and
// may rewrite the line so that later rules do not see the value again. An
// empty or blank line, or one without the label, is left alone.
#include <QString>

// A label and the telephone-like number after it (digits and - ( ) +; ":"
// "：" "】" skipped). The line keeps the text before the label and after the
// number.
void TakeNumberAfterLabel(const QString& label, QString& line, QString& accumulator);

// A label and everything after it; the line keeps the text before the label.
// A label followed by さ し す せ is taken as part of a word.
void TakeTextAfterLabel(const QString& label, QString& line, QString& accumulator);

// The whole line when it holds the word not followed by ま む め も; the line
// is then emptied.
void TakeLineWithWord(const QString& word, QString& line, QString& accumulator);

// The whole line when it holds the word and the accumulator does not yet;
// the line stays as it is.
void CopyLineWithWord(const QString& word, QString& line, QString& accumulator);

// The text with Latin letters, half-width and full-width, in upper case, one
// character for one, so that positions found in it fit the text itself.
QString UpperLatin(const QString& text);

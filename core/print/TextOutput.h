#pragma once
// Text on printed and previewed pages, at the active surface's current
// position (the top-left of the first character cell) in its current font
// and fore colour. Every routine marks the page used.
//
// Layout counts widths in Shift-JIS bytes: a half-width character is
// HalfCharWidthMm(font size) wide, a full-width one twice that.
//
// The wrapping, clipping and fitting routines read control characters in the
// text (keep texts as QString: code 0 is a character like any other here):
//   "\n" (backslash, lower-case n) or CR   line break back to the start x
//   LF                                     ignored, so CR LF is one break
//   codes 0..6                             fore colour = colour index 0..6
//   code 7                                 fore colour as on entry
// and restore the entry fore colour at the end.
#include <QString>

// Prints the text as it stands; the current x moves to its end, y stays.
void PrintTextInline(const QString& text);
// Prints the text as it stands and ends the line: x 0, y one line lower.
void PrintTextNewLine(const QString& text);

// Wraps before a character that would pass rightLimit (mm).
void PrintWrappedText(const QString& text, float rightLimit);
// One line (breaks only at the line-break characters); a line that would
// pass rightLimit keeps the characters after which "…" still ends within it,
// then the mark, and the rest is dropped (a line with no room even for the
// mark gets the mark alone). 0 = no limit.
void PrintClippedText(const QString& text, float rightLimit);

// PrintWrappedText with the font squeezed so that a text up to two lines
// long fits on one line, or halved when it is longer; the size is restored.
void PrintTextFitTwoLines(const QString& text, float rightLimit);
// PrintWrappedText with the font shrunk, when needed, so that the text fits
// on one line up to rightLimit; the size is restored. Never enlarges.
void PrintTextFitOneLine(const QString& text, float rightLimit);

// One line kept short of rightLimit (mm), printed from the current x as it
// stands (no control character is read). A text too wide is printed smaller,
// down to half the current size, at a size whose own measure fits; one still
// too wide at half size keeps the characters that fit with "…" after them.
// Inline, x ends after the text; with endLine the line is ended as
// PrintTextNewLine does, at the current size's line height. The size is
// restored. Gives back the text printed. A text that starts at or past the
// limit is printed as it stands.
QString PrintTextWithin(const QString& text, float rightLimit, bool endLine = false);
// How far short of a rule or of the next text a line is kept, so that no
// glyph touches it.
constexpr double kTextClearanceMm = 0.5;

// The character at position i (a surrogate pair is one character); i moves
// past it. i must lie inside the text.
QString NextCharacter(const QString& text, qsizetype& i);
// The text with the colour codes 0..7 removed, as the fitting routines measure it.
QString WithoutColourCodes(const QString& text);

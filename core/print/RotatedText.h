#pragma once
// Text turned a quarter turn anticlockwise, reading from bottom to top, for
// sideways labels and the bracket characters of vertical writing. The same
// positions and font sizes reach the PDF file, a CUPS printer and the
// preview picture, since all three draw through the one surface operation.
//
// The reference point is the top-left corner of the text's cell before the
// turn. After the turn the tops of the characters face left, so the text
// covers the area to the right of the reference point (one cell height wide)
// and above it (the text's length high).
#include <QString>

// The logical font and last text of DrawRotatedText, kept between calls.
// Only the height, width, escapement, character set and face name are set.
struct RotatedTextRecordData {
  QString text;
  int height = 0;       // device pixels, negative: the character height
  int width = 0;        // device pixels, half the height
  int escapement = 0;   // tenths of a degree, anticlockwise
  int charSet = 0;      // 128, Shift-JIS
  QString faceName;     // the surface's current font as the data names it
  bool lastResult = false;  // whether the last call put text on the surface
};
extern RotatedTextRecordData RotatedTextRecord;

// Writes the text turned anticlockwise with its reference point at (x, y) mm,
// in the current font name and size and in the fore colour; the current
// position does not move. Marks the page used.
void DrawRotatedText(float x, float y, const QString& text);
// The same turned by any escapement (tenths of a degree anticlockwise; 2700
// is a quarter turn clockwise, which covers the area left of and below the
// reference point).
void DrawTurnedText(float x, float y, const QString& text, int escapement);
// DrawRotatedText at the current position.
void PrintRotatedTextAtCursor(const QString& text);
void PrintRotatedText(const QString& text);

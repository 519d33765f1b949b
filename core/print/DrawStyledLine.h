#pragma once
// Lines and rectangles of the page renderers, in millimetres on the active
// surface (the printer or the preview picture, by the print job).
//
// Line styles of DrawStyledLine, one vocabulary for every renderer:
//   1..9    a solid line that many pixels wide (1 becomes 2 with LineType 1
//           or colour index 19)
//   10      with colour index 1..6 a gradient from the full colour to a pale
//           tint, two pixels wide; with any other colour a line ten pixels wide
//   -1      dotted: points every 0.4 mm (LineType 0 and 1) or small circles
//           every millimetre (any other LineType), drawn as one line in the
//           surface's dotted pen
//   -10     hatch: vertical strokes between x1 and x2, from y1 to y2
//   -100    arrowheads at both ends, -101 at the start only, -102 at the end only
//   other   nothing is drawn
#include <cstdint>

// The colour of DrawStyledLine lines and DrawBox outlines (RGB, 0x00BBGGRR).
// A colour argument of -1 keeps it, so a renderer can draw several lines in
// the colour of the first.
extern int32_t CurrentLineColor;

// Every call leaves the draw style at solid and the draw width at the value
// its style used.
void DrawStyledLine(double style, double x1, double y1, double x2, double y2, int32_t colour);

// Rectangle outline with corners (x1, y1), (x2, y2) in CurrentLineColor.
// Styles 1..9 set the draw width; any other style keeps it. The draw style
// is not reset.
void DrawBox(double style, double x1, double y1, double x2, double y2, int32_t colour);

// Filled rectangle (border included) in the colour given; CurrentLineColor is
// not changed. The first argument is not used.
void FillBox(double unused, double x1, double y1, double x2, double y2, int32_t colour);

// Colour of one step of the style-10 gradient: colour index 1..6, level 0
// (the start) to 200 (the end). RGB value.
int32_t GradientStepColor(int32_t colourIndex, int level);

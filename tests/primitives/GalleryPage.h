#pragma once
// The gallery test page: every line style and every text routine on one
// page, with the positions at which its words must appear.
#include <QString>
#include <vector>

// Where a word of the gallery's text starts (top-left of its first
// character cell, page millimetres) and its font size in points.
struct GalleryWord {
  QString text;
  double x;
  double y;
  double points;
};

// Draws the gallery through the drawing and text routines on the active
// surface (between BeginPage and FinishOutput).
void DrawGalleryPage();

// Words printed upright at a position the page gives, that a PDF read-back
// must find there (the lines below them are found one line height lower).
std::vector<GalleryWord> GalleryUprightWords();

// The line fitted onto one line up to x 60 (PrintTextFitOneLine): its text,
// start and font size before fitting.
GalleryWord GalleryFittedLine();

// The rotated word: its reference point, text and font size.
GalleryWord GalleryRotatedWord();

// The upright characters at the head of the vertical column, top to bottom,
// each with the column's x and top; the bracket follows them.
std::vector<GalleryWord> GalleryVerticalCharacters();

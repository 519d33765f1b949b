#pragma once
// Guides for cutting organiser pages out of a larger sheet and punching their
// binder holes by hand: dotted cut lines, hole circles and a tick at the
// vertical centre of each bound edge, optionally a blank page in the space
// left over. Drawn once per sheet side, after its pages.
#include <QSizeF>
#include <cstdint>
#include <vector>

// Sheet layouts of DrawBinderMarks.
enum BinderLayout : int16_t {
  kFacingPages = 0,      // a page at each side edge; the left one bound on its right edge
  kLeftBoundPages = 4,   // a page at each side edge, both bound on their left edge
  kSideBySidePages = 5,  // two pages side by side from the left edge
};

// The punch holes of an organiser size. distance is from the page's cut edge
// on the bound side to the hole centres; centres are measured on the paper
// (PrintMargin not yet subtracted). No centres = a size without holes.
struct HolePattern {
  float radius = 0;
  float distance = 0;
  std::vector<float> centres;
};
HolePattern HolePatternOf(int16_t paperIndex);

// Whether the sheet layouts 0 and 4 draw cut lines for the size.
bool HasCutLines(int16_t paperIndex);

// Cut lines, holes, centre ticks and blank page of the current organiser size
// (PaperSettings) for the layout; any other layout draws nothing. A blank
// page is marked only where the sheet has room for it.
void DrawBinderMarks(int16_t side);

// How far right and down from the origin the marks of a layout reach, in
// millimetres, on the narrowest sheet that keeps the two pages' cut lines
// apart: a layout with a page at each side edge sets the right one against
// the usable width, so its cut lines need both pages' width with their
// allowances and the PrintMargin to the right of them. (0, 0) for a layout
// that draws nothing.
QSizeF BinderMarksExtentMm(int16_t side);

#pragma once
// Guides for cutting organiser pages out of a larger sheet and punching their
// binder holes by hand: dotted cut lines, hole circles and a tick at the
// vertical centre of each bound edge, optionally a blank page in the space
// left over. Drawn once per sheet side, after its pages.
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
// (PaperSettings) for the layout; any other layout draws nothing.
void DrawBinderMarks(int16_t side);

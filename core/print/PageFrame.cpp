#include "PageFrame.h"

#include <cmath>

#include "DecorationImage.h"
#include "DrawStyledLine.h"
#include "StepRange.h"
#include "core/settings/PaperSettings.h"

namespace {

// Width of the bars of the frame style.
constexpr double kFrameBarMm = 7;
// Cut allowance beyond a page edge.

void Fill(double x1, double y1, double x2, double y2) {
  FillBox(0, x1, y1, x2, y2, PaperSettings.BackingSheetColor);
}

// Without a printer margin the fill bleeds past the page into its cut
// allowance, so that cutting leaves no white edge; which side bleeds depends
// on where the page lies on the sheet.
void FillSolid(double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  if (p.PrintMargin != 0) {
    Fill(left, 0, right, p.FootHeight);
  } else if (left == 0) {
    Fill(-p.PageLeft, 0, right + p.PageLeft + kCutAllowanceMm, p.PageHeight);
  } else if (left == p.PageLeft) {
    Fill(0, 0, right + kCutAllowanceMm, p.PageHeight);
  } else {
    Fill(left - p.PageLeft - kCutAllowanceMm, 0, right, p.PageHeight);
  }
}

// Splits a length into 2 * int(length / 10) + 1 equal slices that alternate
// band and gap, with a band at both ends, and calls band(start, size) for each
// band. A length that is not positive gives no band.
template <class Band>
void ForEachLatticeBand(double from, double length, Band band) {
  const int slices = 2 * int(std::floor(length / 10)) + 1;
  const float size = float(length / slices);
  ForEachStep(from, from + length, 2.0 * size, [&](double at) { band(at, size); });
}

void FillLattice(double left, double right) {
  const double height = PaperSettings.PageHeight;
  ForEachLatticeBand(left, right - left, [&](double x, double s) { Fill(x, 0, x + s, height); });
  ForEachLatticeBand(0, height, [&](double y, double s) { Fill(left, y, right, y + s); });
}

void FillFrameBars(double left, double right) {
  const double top = PaperSettings.DataHeight;
  const double bottom = PaperSettings.FootHeight;
  Fill(left, top, left + kFrameBarMm, bottom);
  Fill(right - kFrameBarMm, top, right, bottom);
  Fill(left, top, right, top + kFrameBarMm);
  Fill(left, bottom - kFrameBarMm, right, bottom);
}

}  // namespace

void DrawPageFrame(double left, double right) {
  switch (PaperSettings.BackingSheetStyle) {
    case 1: FillSolid(left, right); break;
    case 2: FillLattice(left, right); break;
    case 3: FillFrameBars(left, right); break;
    case 4: DrawDecorationImage(float(left), float(right)); break;
    default: break;
  }
}

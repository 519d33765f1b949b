#include "BinderMarks.h"

#include <algorithm>
#include <array>

#include "DrawStyledLine.h"
#include "PrintSurface.h"
#include "core/settings/PaperSettings.h"

namespace {

constexpr int kCutLineStyle = -1;     // dotted
constexpr int kTickStyle = 1;
// Colour index 7, grey, which the layouts with a page at each edge print black.
constexpr int32_t kLightCutLineColorIndex = 7;

struct Sheet {
  float margin;  // M
  float width;   // W, the x of a page's right edge at the sheet's left edge
  float height;  // H
  float sheetWidth;  // SW
  int32_t colour;
};

void CutLine(const Sheet& s, float x1, float y1, float x2, float y2) {
  DrawStyledLine(kCutLineStyle, x1, y1, x2, y2, s.colour);
}

void SolidThinPen() {
  SetDrawStyle(kDrawSolid);
  SetDrawWidth(1);
}

// Settings are whole millimetres and the usable height a printer's fraction.
constexpr float kSheetEdgeSlackMm = 0.5f;

// The sizes whose blank page lies sideways below the two pages.
bool HasSidewaysBlankPage(int16_t paperIndex) { return paperIndex == 0 || paperIndex == 4 || paperIndex == 5; }

// The bottom cut line of the sideways blank page.
float SidewaysPageBottom(const Sheet& s) { return s.height + s.width + 7; }

// The right edge of the second of two pages side by side.
float SideBySideRightCut(const Sheet& s) { return 2 * s.width + s.margin + 2; }

// A bible-sized page turned sideways below the two pages, bound along the
// bottom cut line y = H.
void SidewaysPageCutLines(const Sheet& s) {
  const float bottom = SidewaysPageBottom(s);
  CutLine(s, s.height, s.height, s.height, bottom);
  CutLine(s, 0, bottom, s.height, bottom);
}

void SidewaysPageHoles(const Sheet& s) {
  // The sideways page is bound along y = H, so the bible pattern runs along x.
  const HolePattern holes = HolePatternOf(0);
  for (float along : holes.centres)
    DrawCircle(s.height - along, s.height + holes.distance, holes.radius, s.colour);
}

// A third mini page in the middle of the sheet, when there is room for it.
void MiddleMiniPage(const Sheet& s) {
  const float pageWidth = s.width + 2 * kCutAllowanceMm;
  const float g = (GetScaleWidth() - pageWidth) / 2;
  if (!(pageWidth < g)) return;
  CutLine(s, g, 0, g, s.height);
  CutLine(s, g + pageWidth, 0, g + pageWidth, s.height);
  CutLine(s, g, s.height, g + pageWidth, s.height);
  if (PaperSettings.PunchHoles != 1) return;
  SolidThinPen();
  const HolePattern holes = HolePatternOf(2);
  for (float y : holes.centres) DrawCircle(g + holes.distance, y - s.margin, holes.radius, s.colour);
}

// The sideways page needs the sheet's height below the two pages: a sheet
// laid landscape (two pages on A4 folded in two) has no room for it, and
// half a page's cut lines would only be cut wrong.
bool SidewaysPageHasRoom(const Sheet& s) { return SidewaysPageBottom(s) <= GetScaleHeight() + kSheetEdgeSlackMm; }

void BlankPage(const Sheet& s) {
  if (HasSidewaysBlankPage(PaperSettings.PaperIndex) && !SidewaysPageHasRoom(s)) return;
  switch (PaperSettings.PaperIndex) {
    case 0:
      SidewaysPageCutLines(s);
      if (PaperSettings.PunchHoles == 1) {
        SolidThinPen();
        SidewaysPageHoles(s);
      }
      break;
    case 2: MiddleMiniPage(s); break;
    case 4:
    case 5: SidewaysPageCutLines(s); break;
    default: break;
  }
}

// Layouts 0 and 4: a page at each side edge of the sheet.
void EdgePageMarks(int16_t side, Sheet s) {
  if (s.colour == kLightCutLineColorIndex) s.colour = 0;
  const PaperSettingsData& p = PaperSettings;
  const float leftCut = s.width + kCutAllowanceMm;                     // right edge of the left page
  const float rightCut = s.sheetWidth - s.width - kCutAllowanceMm;     // left edge of the right page
  if (HasCutLines(p.PaperIndex)) {
    CutLine(s, leftCut, 0, leftCut, s.height);
    CutLine(s, 0, s.height, leftCut, s.height);
    CutLine(s, rightCut, s.height, s.sheetWidth, s.height);
    CutLine(s, rightCut, 0, rightCut, s.height);
  }
  if (p.PunchHoles == 1) {
    SolidThinPen();
    const HolePattern holes = HolePatternOf(p.PaperIndex);
    // Layout 4 binds the left page on its left edge, 3 mm beyond the printable area.
    const float xLeft = side == kFacingPages ? leftCut - holes.distance : holes.distance - kCutAllowanceMm;
    const float xRight = rightCut + holes.distance;
    for (float y : holes.centres) {
      DrawCircle(xLeft, y - s.margin, holes.radius, s.colour);
      DrawCircle(xRight, y - s.margin, holes.radius, s.colour);
    }
  }
  // The vertical centre of the page measured on the paper.
  const float yc = (s.height + s.margin) / 2 - s.margin;
  if (side == kFacingPages)
    DrawStyledLine(kTickStyle, leftCut - 1, yc, leftCut, yc, s.colour);
  else
    DrawStyledLine(kTickStyle, 0, yc, 1, yc, s.colour);
  DrawStyledLine(kTickStyle, rightCut, yc, rightCut + 1, yc, s.colour);
  if (p.BlankPaper == 1) BlankPage(s);
}

// Layout 5: the right edges of two pages side by side and their common bottom.
void SideBySideMarks(const Sheet& s) {
  if (PaperSettings.PunchHoles != 1) return;
  const float secondRight = SideBySideRightCut(s);
  CutLine(s, s.width + 1, 0, s.width + 1, s.height);
  CutLine(s, secondRight, 0, secondRight, s.height);
  CutLine(s, 0, s.height, secondRight, s.height);
}

}  // namespace

HolePattern HolePatternOf(int16_t paperIndex) {
  switch (paperIndex) {
    case 0:   // SIZE_BIBLE
    case 3:   // SIZE_NARROW
    case 18:  // SIZE_TECHO9
    case 19:  // SIZE_BIBLE_W
      return {2.5f, 6, {22, 41, 60, 110, 129, 148}};
    case 1:   // SIZE_POKET
    case 24:  // SIZE_POKET7
      return {1.5f, 5, {15, 34, 53, 72, 91, 110}};
    case 2:  // SIZE_MINI
      return {1.5f, 4, {14, 33, 52, 71, 90}};
    case 4:  // SIZE_TECHO8
    case 5:  // SIZE_TECHO82
      return {1.5f, 4, {17, 26.5f, 45.5f, 55, 85, 94.5f, 113.5f, 123}};
    default: return {};
  }
}

bool HasCutLines(int16_t paperIndex) {
  static constexpr std::array<int16_t, 12> kSizes = {0, 1, 2, 3, 4, 5, 9, 18, 19, 20, 21, 24};
  return std::find(kSizes.begin(), kSizes.end(), paperIndex) != kSizes.end();
}

void DrawBinderMarks(int16_t side) {
  if (side != kFacingPages && side != kLeftBoundPages && side != kSideBySidePages) return;
  const PaperSettingsData& p = PaperSettings;
  const Sheet sheet{float(p.PrintMargin), float(p.PageWidth), float(p.PageHeight), GetScaleWidth(),
                    p.CutLineColor};
  if (side == kSideBySidePages)
    SideBySideMarks(sheet);
  else
    EdgePageMarks(side, sheet);
}

QSizeF BinderMarksExtentMm(int16_t side) {
  const PaperSettingsData& p = PaperSettings;
  const Sheet s{float(p.PrintMargin), float(p.PageWidth), float(p.PageHeight), 0, 0};
  if (side == kSideBySidePages) {
    if (p.PunchHoles != 1) return {};
    return {SideBySideRightCut(s), s.height};
  }
  if (side != kFacingPages && side != kLeftBoundPages) return {};
  double right = 0, bottom = 0;
  if (HasCutLines(p.PaperIndex)) {
    right = 2 * (s.width + kCutAllowanceMm) + std::max<int16_t>(0, p.PrintMargin);
    bottom = s.height;
  }
  if (p.PunchHoles == 1) {
    // The holes of a page set shorter than its pattern reach below it.
    const HolePattern holes = HolePatternOf(p.PaperIndex);
    for (float y : holes.centres) bottom = std::max(bottom, double(y - s.margin + holes.radius));
  }
  if (p.BlankPaper == 1 && HasSidewaysBlankPage(p.PaperIndex)) {
    right = std::max(right, double(s.height));
    bottom = std::max(bottom, double(SidewaysPageBottom(s)));
  }
  return {right, bottom};
}

#include "DrawStyledLine.h"

#include <algorithm>
#include <cmath>

#include "PrintSurface.h"
#include "StepRange.h"
#include "core/settings/PaperSettings.h"
#include "core/text/ColorTable.h"

int32_t CurrentLineColor = 0;

namespace {

constexpr int32_t kRainbowColour = 19;
constexpr double kGradientStepMm = 0.4;
constexpr int kGradientLevels = 200;
constexpr double kDotSpacingMm = 0.4;
constexpr double kCircleSpacingMm = 1.0;
constexpr double kArrowMm = 1.0;

uint32_t LineRgb() { return uint32_t(CurrentLineColor); }

// Thin lines are drawn two pixels wide for the "太め" line type, and in the
// rainbow colour, which is too light to show at one pixel.
bool ThickenThinLines(int32_t colour) { return PaperSettings.LineType == 1 || colour == kRainbowColour; }

void Gradient(PrintSurface& s, double x1, double y1, double x2, double y2, int32_t colourIndex) {
  const bool vertical = x2 == x1;
  const double from = vertical ? y1 : x1;
  const double to = vertical ? y2 : x2;
  // A gradient without length has no step distance: nothing to shade.
  if (!(to > from)) return;
  const double levelDistance = (to - from) / kGradientLevels;
  ForEachStep(from, to, kGradientStepMm, [&](double at) {
    const int level = std::clamp(int(std::floor((at - from) / levelDistance + 1e-9)), 0, kGradientLevels);
    const uint32_t rgb = uint32_t(GradientStepColor(colourIndex, level));
    if (vertical)
      s.line(float(x1), float(at), float(x1 + kGradientStepMm), float(at), rgb);
    else
      s.line(float(at), float(y1), float(at + kGradientStepMm), float(y1), rgb);
  });
}

// A dotted rule is one line in a dotted pen from its first dot to its last,
// along x at the first y unless the line is vertical.
void Dots(PrintSurface& s, double x1, double y1, double x2, double y2) {
  const bool vertical = x2 == x1;
  const bool points = PaperSettings.LineType == 0 || PaperSettings.LineType == 1;
  // A circle of 0.1 mm is too small to see on the screen's coarser pixels.
  const double radius = Previewing() ? 0.2 : 0.1;
  const double spacing = points ? kDotSpacingMm : kCircleSpacingMm;
  const double from = vertical ? y1 : x1;
  const long dots = StepCount(from, vertical ? y2 : x2, spacing);
  if (dots == 0) return;
  const double last = from + double(dots - 1) * spacing;
  s.setDrawStyle(kDrawDotted);
  s.setDotPattern(float(spacing), points ? 0.0f : float(2 * radius));
  if (vertical)
    s.line(float(x1), float(from), float(x1), float(last), LineRgb());
  else
    s.line(float(from), float(y1), float(last), float(y1), LineRgb());
  s.setDrawStyle(kDrawSolid);
}

void Hatch(PrintSurface& s, double x1, double y1, double x2, double y2) {
  // Widths of 10 mm or less give no forward step and draw nothing.
  const double step = (x2 - x1 - 10) / 10;
  ForEachStep(x1, x2, step, [&](double x) { s.line(float(x), float(y1), float(x), float(y2 + 0.4), LineRgb()); });
}

void ArrowLine(PrintSurface& s, int style, double x1, double y1, double x2, double y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  const uint32_t rgb = LineRgb();
  auto stroke = [&](double ax, double ay, double bx, double by) {
    s.line(float(ax), float(ay), float(bx), float(by), rgb);
  };
  stroke(x1, y1, x2, y2);
  const bool atStart = style != -102;
  const bool atEnd = style != -101;
  const double a = kArrowMm;
  if (x2 == x1) {
    if (atStart) {
      stroke(x1, y1, x1 - a, y1 + a);
      stroke(x1, y1, x1 + a, y1 + a);
    }
    if (atEnd) {
      stroke(x2, y2, x2 - a, y2 - a);
      stroke(x2, y2, x2 + a, y2 - a);
    }
  } else {
    if (atStart) {
      stroke(x1, y1, x1 + a, y1 - a);
      stroke(x1, y1, x1 + a, y1 + a);
    }
    if (atEnd) {
      stroke(x2, y2, x2 - a, y2 - a);
      stroke(x2, y2, x2 - a, y2 + a);
    }
  }
}

}  // namespace

int32_t GradientStepColor(int32_t colourIndex, int level) {
  const int f = std::clamp(level, 0, kGradientLevels);
  switch (colourIndex) {
    case 1: return RgbValue(f, f, 255);
    case 2: return RgbValue(f, 255, f);
    case 3: return RgbValue(f, 255, 255);
    case 4: return RgbValue(255, f, f);
    case 5: return RgbValue(255, f, 255);
    case 6: return RgbValue(255, 255, f);
    default: return RgbValue(f, f, f);
  }
}

void DrawStyledLine(double style, double x1, double y1, double x2, double y2, int32_t colour) {
  PrintSurface& s = ActiveSurface();
  SetDrawStyle(kDrawSolid);
  SetDrawWidth(1);
  if (colour != -1) CurrentLineColor = ColorByIndex(colour);

  if (style >= 1 && style <= 9) {
    SetDrawWidth(style == 1 && ThickenThinLines(colour) ? 2 : style);
    s.line(float(x1), float(y1), float(x2), float(y2), LineRgb());
  } else if (style == 10) {
    if (colour >= 1 && colour <= 6) {
      SetDrawWidth(2);
      Gradient(s, x1, y1, x2, y2, colour);
    } else {
      SetDrawWidth(10);
      s.line(float(x1), float(y1), float(x2), float(y2), LineRgb());
    }
  } else if (style == -1) {
    SetDrawWidth(ThickenThinLines(colour) ? 2 : 1);
    Dots(s, x1, y1, x2, y2);
  } else if (style == -10) {
    Hatch(s, x1, y1, x2, y2);
  } else if (style == -100 || style == -101 || style == -102) {
    ArrowLine(s, int(style), x1, y1, x2, y2);
  }
}

void DrawBox(double style, double x1, double y1, double x2, double y2, int32_t colour) {
  if (colour == kRainbowColour && style == 1) style = 2;
  if (colour != -1) CurrentLineColor = ColorByIndex(colour);
  if (style >= 1 && style <= 9) SetDrawWidth(style);
  ActiveSurface().box(float(x1), float(y1), float(x2), float(y2), LineRgb(), false);
}

void FillBox(double, double x1, double y1, double x2, double y2, int32_t colour) {
  SetDrawStyle(kDrawSolid);
  SetDrawWidth(1);
  ActiveSurface().box(float(x1), float(y1), float(x2), float(y2), uint32_t(ColorByIndex(colour)), true);
}

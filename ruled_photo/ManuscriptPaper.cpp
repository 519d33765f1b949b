#include "ManuscriptPaper.h"

#include "RuledPageText.h"
#include "RuledPaperOptions.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/settings/PaperSettings.h"

namespace {

// Writing lines of the horizontal layout leave this band for ruby above the squares.
constexpr float kRubyBandMm = 3;

void DrawHorizontalWriting(float left, float right, float top, float foot, int32_t colour) {
  const float W = right - left;
  const float H = foot - top;
  for (int r = 0; r <= 9; ++r) {
    const float y1 = top + H * float(r) / 10;
    const float y2 = top + H * float(r + 1) / 10;
    DrawStyledLine(1, left, y1, right, y1, colour);
    DrawStyledLine(-1, left, y1 + kRubyBandMm, right, y1 + kRubyBandMm, colour);
    for (int c = 1; c <= 9; ++c) {
      const float x = left + W * float(c) / 10;
      DrawStyledLine(-1, x, y1 + kRubyBandMm, x, y2, colour);
    }
  }
  DrawStyledLine(1, left, top, left, foot, colour);
  DrawStyledLine(1, right, top, right, foot, colour);
}

void DrawHundredGrid(float left, float right, float top, float foot, int32_t colour) {
  const float W = right - left;
  const float H = foot - top;
  const float ya = top + H / 10;
  const float yb = top + 7 * H / 10;
  for (int i = 0; i <= 10; ++i) {
    const float y = ya + (yb - ya) * float(i) / 10;
    DrawStyledLine(1, left, y, right, y, colour);
  }
  for (int i = 0; i <= 10; ++i) {
    const float x = left + W * float(i) / 10;
    DrawStyledLine(1, x, ya, x, yb, colour);
  }
}

void DrawTwoHundredSheet(int32_t guide, float left, float right, float top, float foot, int32_t colour) {
  const float W = right - left;
  const float H = foot - top;
  const float ya = top + H / 10;
  const float yb = top + 9 * H / 10;
  for (int i = 0; i <= 20; ++i) {
    const float y = ya + (yb - ya) * float(i) / 20;
    DrawStyledLine(i == guide && guide != 0 ? 2 : -1, left, y, right, y, colour);
  }
  for (int i = 0; i <= 10; ++i) {
    const float x = left + W * float(i) / 10;
    DrawStyledLine(-1, x, ya, x, yb, colour);
  }
}

}  // namespace

void DrawManuscriptPaper(const RuledPaperOptions& o, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  DrawPageFrame(left, right);
  DrawPageHeader(TrimmedTitle(o.Txt_Title), left, right);
  const float l = float(left);
  const float r = float(right);
  switch (o.Opt_genko_type) {
    case 0:
      DrawHorizontalWriting(l, r, p.DataHeight, p.FootHeight, p.LineColor);
      break;
    case 1:
      DrawHundredGrid(l, r, p.DataHeight, p.FootHeight, p.LineColor);
      break;
    case 2:
      DrawTwoHundredSheet(BoxWholeNumber(o.txt_genko_meyasu), l, r, p.DataHeight, p.FootHeight, p.LineColor);
      break;
    default:
      break;
  }
  DrawPageFooter(QString(), left, right);
}

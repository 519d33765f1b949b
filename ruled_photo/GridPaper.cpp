#include "GridPaper.h"

#include <algorithm>
#include <cmath>

#include "RuledPageText.h"
#include "RuledPaperOptions.h"
#include "SingleSteps.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"

namespace {

const QString kDateField = QStringLiteral("    -   -    ");

// Dots of one page; more would only make a grey page.
constexpr double kMaxDots = 100000;
// The number-place grid keeps cells and margins this large at least, so that
// an absurd count cannot bury the page under lines.
constexpr double kMinGridCellMm = 0.5;
constexpr double kMinGridSideMm = 1;

void DrawGraphLines(float s, bool grid, int16_t halfLines, float left, float right) {
  const PaperSettingsData& p = PaperSettings;
  const float top = p.DataHeight;
  const float foot = p.FootHeight;
  const float H = foot - top;
  const float W = right - left;
  if (grid) {
    ForSingleSteps(0, H, s, [&](float t) {
      DrawStyledLine(1, left, top + t, right, top + t, p.LineColor);
      if (halfLines == 1 && t + s / 2 < H)
        DrawStyledLine(-1, left, top + t + s / 2, right, top + t + s / 2, p.LineColor);
    });
    ForSingleSteps(0, W, s, [&](float u) {
      DrawStyledLine(1, left + u, top, left + u, foot, p.LineColor);
      if (halfLines == 1 && u + s / 2 < W)
        DrawStyledLine(-1, left + u + s / 2, top, left + u + s / 2, foot, p.LineColor);
    });
  }
  // The right edge closes the grid even when rounding drops the last column.
  DrawStyledLine(1, right, top, right, foot, p.LineColor);
}

void DrawDots(float s, float left, float right) {
  const PaperSettingsData& p = PaperSettings;
  const float H = p.FootHeight - p.DataHeight;
  const float W = right - left;
  if (!(s > 0) || (double(H) / s + 1) * (double(W) / s + 1) > kMaxDots) return;
  SetDrawStyle(0);
  SetDrawWidth(4);
  ForSingleSteps(0, H, s, [&](float t) {
    ForSingleSteps(0, W, s, [&](float u) { PlotPoint(left + u, p.DataHeight + t, p.LineColor); });
  });
}

void DrawNumberPlace(RuledPaperOptions& o, float left, float right) {
  const PaperSettingsData& p = PaperSettings;
  const float W = right - left;
  int32_t n = BoxWholeNumber(o.txt_keisen_honsu);
  if (n <= 1) {
    n = 1;
    o.txt_keisen_honsu = QStringLiteral("1");
  }
  int32_t b = BoxWholeNumber(o.txt_keisen_futoji);
  if (b <= 0) {
    b = 0;
    o.txt_keisen_futoji = QStringLiteral("0");
  }
  int32_t m = BoxWholeNumber(o.Txt_keisen_yohaku);
  if (m <= 0) {
    m = 0;
    o.Txt_keisen_yohaku = QStringLiteral("0");
  }
  // Margins that leave no grid, and more cells than fit, are cut down to
  // what the page can show; the boxes then say what was printed.
  const int32_t maxMargin = std::max(0, int32_t(std::floor((W - kMinGridSideMm) / 2)));
  if (m > maxMargin) {
    m = maxMargin;
    o.Txt_keisen_yohaku = QString::number(m);
  }
  const int32_t maxCells = std::max(1, int32_t(std::floor((W - 2 * m) / kMinGridCellMm)));
  if (n > maxCells) {
    n = maxCells;
    o.txt_keisen_honsu = QString::number(n);
  }

  const float c = (W - 2 * float(m)) / float(n);
  const float x0 = left + float(m);
  const float y0 = float(p.DataHeight) + float(m);
  const float side = float(n) * c;
  for (int32_t i = 0; i <= n; ++i) {
    const int16_t style = b != 0 && i % b == 0 ? 3 : 1;
    const float at = float(i) * c;
    DrawStyledLine(style, x0 + at, y0, x0 + at, y0 + side, p.LineColor);
    DrawStyledLine(style, x0, y0 + at, x0 + side, y0 + at, p.LineColor);
  }
  DrawBox(3, x0, y0, x0 + side, y0 + side, p.LineColor);
}

}  // namespace

void DrawDateField(const RuledPaperOptions& o, double left, double right) {
  if (!o.chk_hizuke_visible || o.chk_hizuke != 1) return;
  const PaperSettingsData& p = PaperSettings;
  SetFontName(p.HeadFontName);
  SetFontSize(p.HeadFontSize);
  const float w = MeasureTextWidth(kDateField);
  DrawBox(1, right - w, p.HeadHeight - 0.3, right, p.DataHeight - 1, p.HeadColor);
  SetCurrentX(right - w);
  SetCurrentY(p.HeadHeight);
  PrintTextInline(kDateField);
}

void DrawGridPaper(RuledPaperOptions& o, const QString& mode, float cellSize, int16_t halfLines,
                   int16_t fitWidth, double left, double right) {
  const float l = float(left);
  const float r = float(right);
  float s = cellSize;
  // A page narrower than one cell has no whole cell to fit: no grid then.
  bool grid = s > 0;
  if (fitWidth == 1 && grid) {
    const float cells = std::floor((r - l) / s);
    if (cells >= 1)
      s = (r - l) / cells;
    else
      grid = false;
  }

  DrawPageFrame(left, right);
  DrawPageHeader(TrimmedTitle(o.Txt_Title), left, right);
  DrawDateField(o, left, right);

  if (mode == QLatin1String("H"))
    DrawGraphLines(s, grid, halfLines, l, r);
  else if (mode == QLatin1String("D")) {
    if (grid) DrawDots(s, l, r);
  } else if (mode == QLatin1String("H2"))
    DrawNumberPlace(o, l, r);

  DrawPageFooter(QString(), left, right);
}

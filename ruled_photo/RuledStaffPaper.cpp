#include "RuledStaffPaper.h"

#include "GridPaper.h"
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

// Staves closer than this would print as one black band.
constexpr float kMinStaffSpacingMm = 0.1f;
// Classifier columns at the left edge are this wide, except a single one.
constexpr float kClassifierMm = 6;
// Points of a vertical rule.
constexpr float kPointStepMm = 0.3f;

void DrawHorizontalRules(const RuledPaperOptions& o, float p, float left, float right) {
  const PaperSettingsData& s = PaperSettings;
  DrawPageHeader(TrimmedTitle(o.Txt_Title), left, right);
  DrawDateField(o, left, right);
  SetFontSize(s.DataFontSize);

  const float width = right - left;
  const int a = o.cmb_bunruisen[0];
  float glyphX = left;
  if (a == 1) {
    glyphX = left + width / 5;
    DrawStyledLine(-1, glyphX, s.DataHeight, glyphX, s.FootHeight, s.LineColor);
  } else if (a >= 2 && a <= 4) {
    for (int i = 1; i <= a; ++i) {
      glyphX = left + kClassifierMm * float(i);
      DrawStyledLine(-1, glyphX, s.DataHeight, glyphX, s.FootHeight, s.LineColor);
    }
  }
  const int e = o.cmb_bunruisen[1];
  const float xr = left + width * 2 / 3;
  for (int i = 0; i < e && i < 4; ++i) {
    const float x = xr + kClassifierMm * float(i);
    DrawStyledLine(-1, x, s.DataHeight, x, s.FootHeight, s.LineColor);
  }

  ForSingleSteps(s.DataHeight, float(s.FootHeight) - p, p, [&](float y) {
    DrawStyledLine(-1, left, y, right, y, s.LineColor);
    if (o.Chk_checkL == 1) {
      // The glyph sits in the middle of the row under its rule, taken as
      // high as a full-width character is wide.
      SetCurrentY(y + (p - 2 * GetFontSize() / 5.67f) / 2);
      SetCurrentX(glyphX);
      PrintTextInline(QStringLiteral(" □"));
    }
  });
  DrawPageFooter(QString(), left, right);
}

void DrawVerticalRules(const RuledPaperOptions& o, float p, float left, float right) {
  PaperSettingsData& s = PaperSettings;
  const int16_t style = s.TitleStyle;
  s.TitleStyle = 0;
  DrawPageHeader(TrimmedTitle(o.Txt_Title), left, right);
  s.TitleStyle = style;
  DrawDateField(o, left, right);
  SetDrawStyle(0);
  SetDrawWidth(1);
  ForSingleSteps(left, right, p, [&](float x) {
    ForSingleSteps(s.DataHeight, s.FootHeight, kPointStepMm, [&](float y) { PlotPoint(x, y, s.LineColor); });
  });
}

}  // namespace

void DrawRuledPaper(const RuledPaperOptions& o, int16_t pitchIndex, double left, double right) {
  const float p = float(pitchIndex) * 0.5f + 4;
  DrawPageFrame(left, right);
  if (o.Chk_Tatekei == 1)
    DrawVerticalRules(o, p, float(left), float(right));
  else
    DrawHorizontalRules(o, p, float(left), float(right));
}

void DrawStaffPaper(const RuledPaperOptions& o, double left, double right) {
  const PaperSettingsData& s = PaperSettings;
  const float k = float(BoxNumber(o.txt_5kankaku));
  if (k == 0) return;
  DrawPageFrame(left, right);
  DrawPageHeader(TrimmedTitle(o.Txt_Title), left, right);
  SetFontSize(s.DataFontSize);

  if (k >= kMinStaffSpacingMm) {
    const float l = float(left);
    const float r = float(right);
    if (o.chk_5yoko != 1) {
      ForSingleSteps(float(s.DataHeight) + k / 2, float(s.FootHeight) - k / 1.5f, k, [&](float y0) {
        for (int i = 0; i < 5; ++i) {
          const float y = y0 + float(i) * float(BoxNumber(o.Txt_5haba));
          DrawStyledLine(1, l, y, r, y, s.LineColor);
        }
      });
    } else {
      ForSingleSteps(l + k / 3, r - k / 2, k, [&](float x0) {
        for (int i = 0; i < 5; ++i) {
          const float x = x0 + float(i) * float(BoxNumber(o.Txt_5haba));
          DrawStyledLine(1, x, s.DataHeight + 5, x, s.FootHeight - 5, s.LineColor);
        }
      });
    }
  }
  DrawPageFooter(QString(), left, right);
}

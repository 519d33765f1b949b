#include "PageFooter.h"

#include "DrawStyledLine.h"
#include "PageHeader.h"
#include "PrintSurface.h"
#include "TextOutput.h"
#include "core/settings/PaperSettings.h"

void DrawPageFooter(const QString& text, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  const int16_t ruleStyle = TitleStyleLookOf(p.TitleStyle).footerRuleStyle;
  if (ruleStyle == 0) return;
  // The rule leaves the current y on the footer line, so the text hangs from it.
  DrawStyledLine(ruleStyle, left, p.FootHeight, right, p.FootHeight, p.HeadLineColor);
  SetCurrentX(left);
  SetFontName(p.DefaultFontName);
  SetFontSize(float(double(p.DefaultFontSize) * 0.7));
  SetForeColor(p.HeadColor);
  if (!text.isEmpty()) PrintTextInline(text);
}

#include "PageHeader.h"

#include "DrawStyledLine.h"
#include "PrintSurface.h"
#include "TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/JapaneseText.h"

TitleStyleLook TitleStyleLookOf(int16_t titleStyle) {
  using D = HeaderDecoration;
  switch (titleStyle) {
    case 0: return {D::None, 0, false, 0};
    case 1: return {D::Rule, 3, false, 3};
    case 2: return {D::Rule, 2, false, 2};
    case 3: return {D::Box, 0, false, 3};
    case 4: return {D::Shade, 0, false, 2};
    case 5: return {D::None, 0, true, 3};
    case 6: return {D::Rule, 3, true, 3};
    case 7: return {D::Rule, 2, true, 2};
    case 8: return {D::Box, 0, true, 3};
    case 9: return {D::Shade, 0, true, 2};
    case 10: return {D::Rule, 10, false, 10};
    default: return {D::None, 0, false, 3};
  }
}

float HeaderTitleFontSize(float configured, int32_t titleBytes, double width) {
  // The width of the title and one blank at a size.
  const auto need = [&](float points) { return double((titleBytes + 1) * HalfCharWidthMm(points)); };
  if (width < need(configured - 2)) return configured - 4;
  if (width < need(configured - 1)) return configured - 2;
  if (width < need(configured)) return configured - 1;
  return configured;
}

void DrawPageHeader(const QString& title, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  const TitleStyleLook look = TitleStyleLookOf(p.TitleStyle);
  const double boxTop = p.HeadHeight - 0.5;
  const double boxBottom = p.DataHeight - 0.5;
  switch (look.decoration) {
    case HeaderDecoration::Rule:
      DrawStyledLine(look.headerRuleStyle, left, p.DataHeight, right, p.DataHeight, p.HeadLineColor);
      break;
    case HeaderDecoration::Box: DrawBox(1, left, boxTop, right, boxBottom, p.HeadLineColor); break;
    case HeaderDecoration::Shade: FillBox(0, left, boxTop, right, boxBottom, p.ShadeColor); break;
    case HeaderDecoration::None: break;
  }

  const float configured = p.HeadFontSize;
  const int32_t bytes = AnsiByteLen(title);
  const double width = right - left;
  SetFontName(p.HeadFontName);
  SetFontSize(HeaderTitleFontSize(configured, bytes, width));
  SetForeColor(p.HeadColor);
  SetCurrentY(p.HeadHeight);
  if (look.centred) {
    // Centred by the configured size even when the title was shrunk, so a
    // shrunk title starts left of its own centre.
    SetCurrentX(left + (width - bytes * HalfCharWidthMm(configured)) / 2);
    PrintTextInline(title);
  } else {
    SetCurrentX(left);
    PrintTextInline(QLatin1Char(' ') + title);
  }
}

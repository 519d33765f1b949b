#pragma once
// The header band of an organiser page (from HeadHeight to DataHeight) with
// the decoration of TitleStyle and the page title, and the look of each title
// style that the footer shares.
#include <QString>
#include <cstdint>

enum class HeaderDecoration { None, Rule, Box, Shade };

// What a TitleStyle (chosen in the settings form) draws.
struct TitleStyleLook {
  HeaderDecoration decoration = HeaderDecoration::None;
  int16_t headerRuleStyle = 0;  // DrawStyledLine style of the rule under the title
  bool centred = false;         // title centred instead of left with a blank
  int16_t footerRuleStyle = 3;  // 0 = no footer at all
};
TitleStyleLook TitleStyleLookOf(int16_t titleStyle);

// The font size a title of titleBytes Shift-JIS bytes gets in a band width mm
// wide at the configured size: one, two or four points smaller as it needs,
// never more than four (a title that still does not fit overflows).
float HeaderTitleFontSize(float configured, int32_t titleBytes, double width);

// Decoration and title of the page between left and right (mm). Leaves the
// surface's font, colour and position as the title left them.
void DrawPageHeader(const QString& title, double left, double right);

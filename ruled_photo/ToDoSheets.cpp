#include "ToDoSheets.h"

#include "RuledPageText.h"
#include "RuledPaperOptions.h"
#include "SingleSteps.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"

namespace {

constexpr double kFewestItems = 7;
constexpr double kMostItems = 40;
// The strip of hour ticks at the page's left edge.
constexpr float kHourStripMm = 3.5f;

void FillToDoControls(RuledPaperOptions& o) {
  const QString stored = GetIniValue(ExeName, QStringLiteral("TODOSU"));
  const double n = BoxNumber(stored);
  o.Txt_KmkSu = n < kFewestItems || n > kMostItems ? QStringLiteral("20") : stored;
  o.Cmb_jikan_items = {QStringLiteral("時間目盛なし"), QStringLiteral("時間目盛付 8-20"),
                       QStringLiteral("時間目盛付 8-24"), QStringLiteral("時間目盛付 8-翌8")};
  o.Cmb_jikan = 1;
}

// The count in the box, limited to 7..40; the box shows what is used.
double ClampedCount(QString& box) {
  const double n = BoxNumber(box);
  if (n <= kFewestItems) box = QStringLiteral("7");
  if (n >= kMostItems) box = QStringLiteral("40");
  return BoxNumber(box);
}

// A number right-aligned in two places.
QString TwoPlaces(int n) { return QString::number(n).rightJustified(2, u' '); }

int HoursOfKind(int kind) {
  switch (kind) {
    case 1: return 12;
    case 2: return 16;
    case 3: return 24;
    default: return 0;
  }
}

void DrawHourStrip(int hours, float left, float itemX, float right) {
  const PaperSettingsData& p = PaperSettings;
  for (float x : {left, left + kHourStripMm, right, itemX})
    DrawStyledLine(1, x, p.DataHeight, x, p.FootHeight, p.LineColor);
  const float q = float(p.FootHeight - p.DataHeight - 2) / float(hours);
  int hour = 7;
  ForSingleSteps(p.DataHeight, float(p.FootHeight) - 3, q, [&](float y) {
    DrawStyledLine(1, left, y, left + kHourStripMm, y, p.LineColor);
    ++hour;
    SetCurrentX(left + 0.5f);
    SetCurrentY(y + 0.5f);
    SetFontName(p.DefaultFontName);
    SetFontSize(p.DefaultFontSize - 2);
    SetForeColor(p.DefaultColor);
    PrintTextNewLine(TwoPlaces(hour));
    if (hour >= 24) hour = 0;
  });
}

}  // namespace

void DrawToDoSheet(RuledPaperOptions& o, int16_t kind, double left, double right) {
  if (left == 0 && right == 0) {
    FillToDoControls(o);
    return;
  }
  const PaperSettingsData& p = PaperSettings;
  const float l = float(left);
  const float r = float(right);
  DrawPageFrame(left, right);
  DrawPageHeader(TrimmedTitle(o.Txt_Title), left, right);
  const float itemX = kind == 0 ? l : l + (r - l) / 4;
  SetFontName(p.DefaultFontName);
  SetFontSize(p.DefaultFontSize);

  const double n = ClampedCount(o.Txt_KmkSu);
  const float pitch = float((p.FootHeight - p.DataHeight - 2) / n);
  int i = 0;
  ForSingleSteps(float(p.DataHeight) + 1, p.FootHeight, pitch, [&](float y) {
    ++i;
    if (i > n) return;
    if (i >= 2) DrawStyledLine(1, itemX, y, r, y, p.LineColor);
    SetCurrentX(itemX);
    SetCurrentY(n <= 20 ? y + 2 : y + 0.5f);
    SetForeColor(p.DefaultColor);
    PrintTextInline(u' ' + TwoPlaces(i));
    PrintTextNewLine(QStringLiteral(" □"));
  });

  // Without a known scale (nothing chosen) the items keep their place, unscaled.
  const int hours = HoursOfKind(kind);
  if (hours > 0) DrawHourStrip(hours, l, itemX, r);
  DrawPageFooter(QStringLiteral("To-Do / Don't Forget"), left, right);
}

void DrawWideToDoSheet(RuledPaperOptions& o, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  const double c = ClampedCount(o.txt_todoYoko_item);
  const float l = float(left);
  const float r = float(right);
  const float notesTop = float(p.DataHeight) + 2 * float(p.FootHeight - p.DataHeight) / 3;
  const float headingBottom = float(p.DataHeight) + 7;
  DrawPageFrame(left, right);
  DrawPageHeader(TrimmedTitle(o.Txt_Title), left, right);
  ForSingleSteps(l, r, float((r - l) / c),
                 [&](float x) { DrawStyledLine(-1, x, p.DataHeight, x, notesTop, p.LineColor); });
  DrawStyledLine(-1, l, notesTop, r, notesTop, p.LineColor);
  DrawStyledLine(-1, l, headingBottom, r, headingBottom, p.LineColor);
  DrawBox(1, l, p.DataHeight, r, p.FootHeight, p.LineColor);
}

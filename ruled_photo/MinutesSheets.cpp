#include "MinutesSheets.h"

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

constexpr float kDefaultPitchMm = 4;
// Closer rules are dotted lines touching one another, and thousands of them.
constexpr float kMinPitchMm = 1;
// Sticky-note frames lower than this are no use for a note.
constexpr float kMinFrameMm = 1;

float MinutesPrompts(float left, float right) {
  const PaperSettingsData& p = PaperSettings;
  SetFontName(p.DataFontName);
  SetFontSize(p.DataFontSize);
  SetCurrentY(p.DataHeight + 1);
  auto nextLine = [&] {
    SetCurrentX(left + 1);
    SetCurrentY(GetCurrentY() + 1);
  };
  nextLine();
  PrintTextNewLine(QStringLiteral("　　年　　月　　日（　　）　：　－　："));
  nextLine();
  PrintTextInline(QStringLiteral("場所：                 "));
  SetCurrentX(left + (right - left) * 2 / 3);
  PrintTextNewLine(QStringLiteral("天気:"));
  nextLine();
  PrintTextNewLine(QStringLiteral("出席者："));
  PrintTextNewLine(QString());
  return GetCurrentY() + 1;
}

}  // namespace

void DrawMinutesSheet(RuledPaperOptions& o, int16_t sheetKind, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  const float l = float(left);
  const float r = float(right);
  const float marker = r - l > 120 ? 20 : 10;
  DrawPageFrame(left, right);

  float top;
  if (sheetKind == 1) {
    DrawPageHeader(QStringLiteral("議題：") + TrimmedTitle(o.Txt_Title), left, right);
    top = MinutesPrompts(l, r);
    DrawStyledLine(3, l, top, r, top, p.LineColor);
  } else {
    DrawPageHeader(QString(), left, right);
    top = p.DataHeight;
  }

  float pitch = float(BoxNumber(o.txt_gijiroku_yokokei));
  if (pitch == 0) pitch = kDefaultPitchMm;
  if (pitch > 0 && pitch < kMinPitchMm) {
    pitch = kMinPitchMm;
    o.txt_gijiroku_yokokei = QString::number(kMinPitchMm);
  }
  const float space = float(p.FootHeight) - top - 2;
  const float rows = std::trunc(space / pitch);
  // A pitch taller than the space leaves one row, which needs no rule.
  if (rows >= 1) {
    const float q = space / rows;
    ForSingleSteps(top + 1 + q, float(p.FootHeight) - q - 1, q, [&](float y) {
      if (o.chk_gijiroku_sirusi == 1) {
        DrawStyledLine(-1, l, y, l + marker, y, p.LineColor);
        DrawStyledLine(-1, l + marker + 2, y, r, y, p.LineColor);
      } else {
        DrawStyledLine(-1, l, y, r, y, p.LineColor);
      }
    });
  }
  DrawPageFooter(QString(), left, right);
}

void DrawStickyNoteToDoSheet(RuledPaperOptions& o, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  DrawPageFrame(left, right);
  DrawPageHeader(TrimmedTitle(o.Txt_Title), left, right);

  const float body = float(p.FootHeight - p.DataHeight);
  double n = BoxNumber(o.txt_waku);
  if (n == 0) {
    n = 1;
    o.txt_waku = QStringLiteral("1");
  }
  const double most = std::max(1.0, std::floor(double(body - 3) / (kMinFrameMm + 2)));
  if (n > most) {
    n = most;
    o.txt_waku = QString::number(most);
  }
  const float h = float((body - 3) / n - 2);
  ForSingleSteps(float(p.DataHeight) + 2, float(p.FootHeight) - 3, h + 2,
                 [&](float y) { DrawBox(1, left, y, right, y + h, p.LineColor); });
  DrawPageFooter(QString(), left, right);
}

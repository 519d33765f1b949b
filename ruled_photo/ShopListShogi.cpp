#include "ShopListShogi.h"

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

constexpr float kSketchGridMm = 4;
const QString kShopLabels = QStringLiteral("店名:電話:休み:時間:場所:");
const QString kRanks = QStringLiteral("一二三四五六七八九");

void DrawShopBlock(float y0, float B, float left, float right) {
  const PaperSettingsData& p = PaperSettings;
  const float M = left + (right - left) / 2;
  DrawStyledLine(1, left, y0, right, y0, p.LineColor);
  for (int i = 0; i < 5; ++i) {
    SetCurrentX(left);
    SetCurrentY(GetCurrentY() + 1);
    PrintTextNewLine(kShopLabels.mid(3 * i, 3));
    const float u = GetCurrentY() + 0.5f;
    DrawStyledLine(1, left, u, M - 2, u, p.LineColor);
  }
  const float gridBottom = y0 + 2 + kSketchGridMm * std::floor((B - 3) / kSketchGridMm);
  ForSingleSteps(right, M, -kSketchGridMm,
                 [&](float x) { DrawStyledLine(-1, x, y0 + 2, x, gridBottom, p.LineColor); });
  const float gridLeft = right - kSketchGridMm * std::floor((right - M) / kSketchGridMm);
  ForSingleSteps(y0 + 2, y0 + 2 + (B - 3), kSketchGridMm,
                 [&](float y) { DrawStyledLine(-1, gridLeft, y, right, y, p.LineColor); });
}

}  // namespace

void DrawShopList(const RuledPaperOptions& o, int32_t& shopsPerPage, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  if (shopsPerPage < 1 || shopsPerPage > 4) shopsPerPage = 3;
  DrawPageFrame(left, right);
  DrawPageHeader(TrimmedTitle(o.Txt_Title), left, right);
  SetDrawStyle(0);
  SetDrawWidth(1);
  SetFontName(p.DefaultFontName);
  SetFontSize(p.DefaultFontSize - 1);
  const float B = float(p.FootHeight - p.DataHeight) / float(shopsPerPage);
  float y0 = p.DataHeight;
  for (int32_t k = 0; k < shopsPerPage; ++k, y0 += B) DrawShopBlock(y0, B, float(left), float(right));
  DrawPageFooter(QString(), left, right);
}

void DrawShogiBoard(const RuledPaperOptions& o, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  const float l = float(left);
  const float W = float(right) - l;
  const float xL = l + W / 10;
  const float xR = l + 9 * W / 10;
  const float yT = float(p.DataHeight) + float(p.FootHeight - p.DataHeight) / 10;
  const float yB = yT + 9 * W / 10;
  DrawPageFrame(left, right);
  DrawPageHeader(TrimmedTitle(o.Txt_Title), left, right);

  SetCurrentX(l);
  SetCurrentY(p.DataHeight + 5);
  SetFontSize(p.DefaultFontSize);
  SetForeColor(p.DefaultColor);
  PrintTextInline(o.txt_syougi_title);

  for (int i = 0; i <= 8; ++i) {
    const float y = yT + (yB - yT) * float(i) / 9;
    DrawStyledLine(1, xL, y, xR, y, p.LineColor);
    SetFontSize(6);
    SetCurrentX(xR + 1);
    SetCurrentY(y + 3);
    PrintTextNewLine(kRanks.mid(i, 1));
  }
  for (int j = 0; j <= 8; ++j) {
    const float x = xL + (xR - xL) * float(j) / 9;
    DrawStyledLine(1, x, yT, x, yB, p.LineColor);
    SetFontSize(7);
    SetCurrentX(x + (xR - xL) / 40);
    SetCurrentY(yT - 3);
    PrintTextNewLine(u' ' + QString::number(9 - j));
  }
  DrawBox(4, xL, yT, xR, yB, p.LineColor);

  SetFontName(p.DefaultFontName);
  SetFontSize(p.DefaultFontSize * 1.5f);
  SetCurrentX(xR + (xR - xL) / 20);
  SetCurrentY(yT);
  PrintTextInline(QStringLiteral("▲"));
  SetCurrentX(l);
  SetCurrentY(yB - (yB - yT) / 15);
  PrintTextInline(QStringLiteral("▽"));

  // Remarks line by line from the left edge; nothing wraps at the right.
  SetFontSize(p.DataFontSize);
  SetForeColor(p.DataColor);
  SetCurrentX(l);
  SetCurrentY(yB + 10);
  for (const QChar ch : o.txt_syougi_biko) {
    if (ch == u'\n')
      SetCurrentX(l);
    else if (ch == u'\r')
      PrintTextNewLine(QString());
    else
      PrintTextInline(QString(ch));
  }
  DrawPageFooter(QString(), left, right);
}

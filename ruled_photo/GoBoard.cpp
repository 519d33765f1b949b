#include "GoBoard.h"

#include "RuledPageText.h"
#include "RuledPaperOptions.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/ColorTable.h"

namespace {
constexpr float kStarRadiusMm = 0.5f;
}

int GoBoardLines(int optionIndex) {
  if (optionIndex == 0) return 19;
  if (optionIndex == 1) return 13;
  return 9;
}

// The marks start s lines in and repeat every d lines; they stop s lines
// before the last line, so that both borders are treated alike.
std::vector<int> GoStarPointLines(int lines) {
  int s = 2, d = 2;
  if (lines == 13) s = 3, d = 3;
  if (lines == 19) s = 3, d = 6;
  std::vector<int> at;
  for (int i = s; i <= lines - 1 - s; i += d) at.push_back(i);
  return at;
}

void DrawGoBoard(const RuledPaperOptions& o, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  SetPrinterScaleMode(kScaleMillimetres);
  SetDrawWidth(1);
  const int n = GoBoardLines(o.Opt_igo_masume);
  DrawPageFrame(left, right);
  DrawPageHeader(TrimmedTitle(o.Txt_Title), left, right);

  const float l = float(left);
  const float W = float(right) - l;
  const float H = float(p.FootHeight - p.DataHeight);
  const float x0 = l + W / float(n);
  const float x1 = l + W * float(n - 1) / float(n);
  const float y0 = float(p.DataHeight) + H / float(n);
  const float y1 = y0 + W * float(n - 1) / float(n);
  auto rowY = [&](int i) { return y0 + (y1 - y0) * float(i) / float(n - 1); };
  auto columnX = [&](int j) { return x0 + (x1 - x0) * float(j) / float(n - 1); };
  SetDrawWidth(1);

  for (int i = 0; i < n; ++i) {
    const float y = rowY(i);
    DrawStyledLine(1, x0, y, x1, y, p.LineColor);
    SetFontSize(6);
    const QString label = QString::number(i + 101).right(2);
    SetCurrentX(x0 - 4);
    SetCurrentY(y - 1);
    PrintTextNewLine(label);
    SetCurrentX(x1 + 2);
    SetCurrentY(y - 1);
    PrintTextNewLine(label);
  }
  for (int j = 0; j < n; ++j) {
    const float x = columnX(j);
    DrawStyledLine(1, x, y0, x, y1, p.LineColor);
    SetFontSize(7);
    const QString letter(QChar(u'A' + j));
    SetCurrentX(x);
    SetCurrentY(y0 - 4);
    PrintTextNewLine(letter);
    SetCurrentX(x);
    SetCurrentY(y1 + 2);
    PrintTextNewLine(letter);
  }

  // Discs on paper; the preview has no fill and shows the outlines.
  const uint32_t keptFill = GetPrinterFillColor();
  SetPrinterFillColor(uint32_t(ColorByIndex(p.LineColor)));
  SetPrinterFillStyle(0);
  const std::vector<int> stars = GoStarPointLines(n);
  for (int a : stars)
    for (int b : stars) DrawCircle(columnX(a), rowY(b), kStarRadiusMm, p.LineColor);
  SetPrinterFillStyle(1);
  SetPrinterFillColor(keptFill);

  DrawBox(2, x0, y0, x1, y1, p.LineColor);
  DrawPageFooter(QString(), left, right);
}

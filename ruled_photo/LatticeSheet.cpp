#include "LatticeSheet.h"

#include "RuledPageText.h"
#include "RuledPaperOptions.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"

namespace {

// Field labels of the lattice, column by column from the left, top to bottom.
const char* const kLatticeLabels[9] = {"分解:", "原因/過去/根本:", "類似:", "上位:", "",
                                       "下位:", "組合せ:", "結果/未来/発展:", "反対:"};

void UseDefaultFont() {
  SetFontName(PaperSettings.DefaultFontName);
  SetFontSize(PaperSettings.DefaultFontSize);
}

void Subject(const QString& text, float x, float y, float rightLimit) {
  SetFontName(PaperSettings.DataFontName);
  SetFontSize(PaperSettings.DataFontSize);
  SetCurrentX(x);
  SetCurrentY(y);
  PrintWrappedText(text, rightLimit);
}

void Label(const QString& text, float x, float y) {
  SetCurrentX(x);
  SetCurrentY(y);
  PrintTextInline(text);
}

}  // namespace

void DrawLatticeSheet(RuledPaperOptions& o, double left, double right) {
  if (left == 0 && right == 0) {
    o.cmb_kosi_items = {QStringLiteral("質問と回答(左右)"), QStringLiteral("質問と回答(上下)"),
                        QStringLiteral("メリット/デメリット(左右)"), QStringLiteral("メリット/デメリット(上下)"),
                        QStringLiteral("原因/結果/上位/下位/組合/分解/反転/類似")};
    o.cmb_kosi = 0;
    return;
  }
  const PaperSettingsData& p = PaperSettings;
  const float l = float(left);
  const float r = float(right);
  const float top = p.DataHeight;
  const float W = r - l;
  const float H = float(p.FootHeight - p.DataHeight);
  const int kind = o.cmb_kosi;
  const bool questions = kind == 0 || kind == 1;
  const QString first = questions ? QStringLiteral("質問:") : QStringLiteral("メリット:");
  const QString second = questions ? QStringLiteral("解答:") : QStringLiteral("デメリット:");
  const bool guides = o.chk_kosi == 1;

  DrawPageFrame(left, right);
  DrawPageHeader(TrimmedTitle(o.Txt_Title), left, right);
  DrawBox(2, l, top, r, p.FootHeight, p.LineColor);
  UseDefaultFont();

  if (kind == 0 || kind == 2) {
    const float M = l + W / 2;
    DrawStyledLine(1, M, top, M, p.FootHeight, p.LineColor);
    Subject(o.txt_kosi, l + 1, top + 7, M - 1);
    if (guides) {
      UseDefaultFont();
      Label(first, l + 1, top + 1);
      Label(second, M + 1, top + 1);
    }
  } else if (kind == 1 || kind == 3) {
    const float Y = top + H / 2;
    DrawStyledLine(1, l, Y, r, Y, p.LineColor);
    Subject(o.txt_kosi, l + 1, top + 7, r - 1);
    if (guides) {
      UseDefaultFont();
      Label(first, l + 1, top + 1);
      Label(second, l + 1, Y + 1);
    }
  } else if (kind == 4) {
    for (int i = 1; i <= 2; ++i) {
      const float x = l + W * float(i) / 3;
      DrawStyledLine(1, x, top, x, p.FootHeight, p.LineColor);
    }
    for (int i = 1; i <= 2; ++i) {
      const float y = top + H * float(i) / 3;
      DrawStyledLine(1, l, y, r, y, p.LineColor);
    }
    Subject(o.txt_kosi, l + W / 3 + 1, top + H / 3 + 1, l + 2 * W / 3 - 1);
    if (guides) {
      UseDefaultFont();
      for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row)
          Label(QString::fromUtf8(kLatticeLabels[3 * column + row]), l + W * float(column) / 3 + 1,
                top + H * float(row) / 3 + 1);
    }
  }
  DrawPageFooter(QString(), left, right);
}

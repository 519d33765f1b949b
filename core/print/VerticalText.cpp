#include "VerticalText.h"

#include "PrintSurface.h"
#include "RotatedText.h"
#include "TextOutput.h"
#include "core/text/Numbers.h"

namespace {

// Each half-width character and, at the same position, its full-width form.
const QString kHalfWidth = QStringLiteral(
    "()ｰ-0123456789ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾜｦﾝｧｨｩｪｫｬｭｮｯ");
const QString kFullWidth = QStringLiteral(
    "（）ー－０１２３４５６７８９アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨワヲンァィゥェォャュョッ");
// Characters that lie across a vertical line: brackets, long-vowel mark,
// dashes and quotes.
const QString kTurned = QStringLiteral("()（）ー－［］〔〕｛｝〈〉《》「」『』【】＜＞≪≫\"‘’");

constexpr int kQuarterTurnClockwise = 2700;

}  // namespace

QChar VerticalFormOf(QChar c) {
  const qsizetype at = kHalfWidth.indexOf(c);
  return at < 0 ? c : kFullWidth.at(at);
}

bool TurnsInVerticalText(QChar c) { return kTurned.contains(c); }

void PrintVerticalText(const QString& text) {
  const float x0 = float(RoundHalfEven(GetCurrentX()));
  qsizetype i = 0;
  while (i < text.size()) {
    QString c = NextCharacter(text, i);
    if (c.size() == 1) c = VerticalFormOf(c.at(0));
    SetCurrentX(x0);
    if (c.size() != 1 || !TurnsInVerticalText(c.at(0))) {
      PrintTextNewLine(c);
      continue;
    }
    // The character fills a full-width square of the column: turned a
    // quarter clockwise, it covers the area left of and below its reference
    // point, the square's top-right corner. Turned this way, brackets open
    // downwards at the start of a phrase and upwards at its end, as vertical
    // writing needs.
    const float y = GetCurrentY();
    const float square = 2 * HalfCharWidthMm(GetFontSize());
    SetCurrentX(x0 + square);
    DrawTurnedText(GetCurrentX(), y, c, kQuarterTurnClockwise);
    SetCurrentY(y + square);
    SetCurrentX(x0);
  }
}

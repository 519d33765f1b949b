#include "KanjiList.h"

#include <cmath>

#include "KanjiListData.h"
#include "RuledPaperOptions.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"

namespace {

const QString kSeparator = QStringLiteral("---");
constexpr int kKeyLength = 3;

bool IsSeparator(const QString& line) { return line.left(kKeyLength) == kSeparator; }

}  // namespace

QStringList KanjiListLines() {
  const QString kanji = QString::fromUtf16(kFirstLevelKanji);
  QStringList lines;
  qsizetype at = 0;
  for (int i = 0; i < kKanjiGroupCount; ++i) {
    const KanjiGroup& g = kKanjiGroups[i];
    const QString key = QString::fromUtf16(g.key);
    if (key == kSeparator) {
      lines << kSeparator;
      continue;
    }
    lines << key.leftJustified(2, u'　') + u'：' + kanji.mid(at, g.count);
    at += g.count;
  }
  lines << QString();
  return lines;
}

void DrawKanjiList(const RuledPaperOptions& o, int16_t& pageNumber, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  DrawPageFrame(left, right);
  DrawPageHeader(QStringLiteral("漢字一覧"), left, right);
  SetFontName(p.DataFontName);
  SetFontSize(p.DataFontSize);
  // A row is one line of the data font, two half-widths high: the surface
  // steps lines by the em, so the count holds on every printer.
  const double maxRows =
      std::trunc((p.FootHeight - p.DataHeight - 1) / (2 * HalfCharWidthMm(p.DataFontSize))) - 1;
  const double keyWidth = MeasureTextWidth(QStringLiteral("あ　："));
  const double textX = left + keyWidth;
  const double textWidth = right - textX;

  const QStringList lines = KanjiListLines();
  const qsizetype endMarker = lines.size() - 1;
  auto rowsOf = [&](qsizetype i) -> double {
    if (IsSeparator(lines[i])) return 1;
    if (!(textWidth > 0)) return 1;
    return std::trunc(MeasureTextWidth(lines[i].mid(kKeyLength)) / textWidth + 0.999999);
  };

  // Each page is found again from the top: a reading line that does not fit
  // below the last row opens the next page rather than being split.
  qsizetype first = 0, last = endMarker;
  double rows = 0;
  int passed = 0;
  for (qsizetype i = 0; i < endMarker; ++i) {
    rows += rowsOf(i);
    if (rows > maxRows) {
      ++passed;
      if (passed >= pageNumber) {
        last = i - 1;
        break;
      }
      first = i;
      rows = rowsOf(i);
    }
  }

  SetCurrentY(p.DataHeight + 1);
  for (qsizetype i = first; i <= last; ++i) {
    const QString& line = lines[i];
    if (i == endMarker) {
      pageNumber = 0;
      break;
    }
    SetCurrentX(left);
    if (IsSeparator(line)) {
      PrintTextNewLine(QString());
      continue;
    }
    PrintTextInline(line.left(kKeyLength));
    SetCurrentX(textX);
    PrintWrappedText(line.mid(kKeyLength) + QStringLiteral("\r\n"), float(right));
  }
  DrawPageFooter(QString(), left, right);
}

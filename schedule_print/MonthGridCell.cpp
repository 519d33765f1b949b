#include "MonthGridCell.h"

#include <QStringList>
#include <cmath>

#include "DayStyles.h"
#include "PrintFontSize.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/JapaneseText.h"
#include "schedule/SchedulePrintSource.h"
#include "core/text/StringHelpers.h"

namespace {

constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kCyclingColour = 19;

const QString kBigNumbers = QStringLiteral("大文字");
const QString kBox = QStringLiteral("ボックス");
const QString kBoxCorner = QStringLiteral("ボックス角");
const QString kLine = QStringLiteral("ライン");
const QString kShadedLine = QStringLiteral("網掛ライン");
const QString kShadedBox = QStringLiteral("ボックス網掛");

bool RedOrBlue(DayKind kind) { return int(kind) >= 1 && int(kind) <= 4; }

// The number box of "ボックス網掛": filled, and the number white where the
// fill is dark enough to need it.
void DrawShadedNumberBox(const ScheduleOptions& options, DayKind kind, double x1, double y1, double x2, double y2) {
  const PaperSettingsData& p = PaperSettings;
  const auto shadeAndOutline = [&] {
    FillBox(0, x1, y1, x2, y2, p.ShadeColor);
    DrawBox(1, x1, y1, x2, y2, p.LineColor);
  };
  const auto lineFillWhiteNumber = [&] {
    FillBox(0, x1, y1, x2, y2, p.LineColor);
    SetForeColor(kWhite);
  };
  if (options.OptShading == 1) {
    if (p.LineColor == 0) shadeAndOutline();
    else lineFillWhiteNumber();
    return;
  }
  if (RedOrBlue(kind)) {
    FillBox(0, x1, y1, x2, y2, DayKindBackColor(options, kind));
    SetForeColor(kWhite);
  } else if (p.LineColor == 0) {
    shadeAndOutline();
  } else if (p.LineColor == kCyclingColour) {
    FillBox(0, x1, y1, x2, y2, p.ShadeColor);
  } else {
    lineFillWhiteNumber();
  }
}

}  // namespace

QString CutEntryToCell(const QString& entry, double widthMm, float fontSize) {
  if (!(fontSize > 0)) return entry;
  const int32_t places = int32_t(std::max(0.0, std::min(std::floor(widthMm * 5.67 / fontSize), 1e6)));
  QString cut = MidFitBytes(entry, 1, places);
  // A full-width character that would straddle the cell's edge stays out.
  if (AnsiByteLen(cut) > places) cut.chop(cut.size() > 1 && cut.back().isLowSurrogate() ? 2 : 1);
  return cut;
}

void DrawMonthGridCell(SchedulePrintSource& source, const QDate& day, double cellX, double cellY, double cellW,
                       const CellLayout& layout) {
  const ScheduleOptions& options = source.PrintOptions();
  const PaperSettingsData& p = PaperSettings;
  const QString& style = options.DesignStyleText;
  const double hw = layout.hw;
  const double rowHeight = layout.rowHeight;

  QStringList texts;
  DayKind kind = DayKind::Ordinary;
  source.GetDaySchedule(day, texts, kind);
  if (texts.isEmpty()) texts << QString();
  const int32_t back = DayKindBackColor(options, kind);

  if (options.OptGridInvert != 1) {
    if (options.OptShading == 1 && style != kShadedLine && kind != DayKind::Ordinary)
      FillBox(0, cellX, cellY, cellX + cellW, cellY + rowHeight, back);
  } else if (style != kShadedLine) {
    FillBox(0, cellX, cellY, cellX + cellW - 1, cellY + rowHeight - 1, back);
  }

  SetForeColor(DayKindTextColor(options, kind));
  SetFontName(p.DefaultFontName);
  SetFontSize(p.DefaultFontSize);
  const double boxRight = cellX + 4 * hw, boxBottom = cellY + 1 + 2 * hw;
  if (style == kBigNumbers) {
    SetFontSize(2 * p.DefaultFontSize);
  } else if (style == kBox) {
    DrawBox(1, cellX, cellY, cellX + 4 * hw * 0.95, boxBottom, p.LineColor);
  } else if (style == kBoxCorner) {
    DrawStyledLine(1, boxRight, cellY, boxRight, cellY + 2 * hw, p.LineColor);
    DrawStyledLine(1, cellX, boxBottom, boxRight - 1, boxBottom, p.LineColor);
    DrawStyledLine(1, boxRight - 1, boxBottom, boxRight, cellY + 2 * hw, p.LineColor);
  } else if (style == kLine) {
    DrawStyledLine(1, cellX, boxBottom, cellX + cellW, boxBottom, p.LineColor);
  } else if (style == kShadedLine) {
    FillBox(0, cellX, cellY, cellX + cellW, boxBottom, back);
  } else if (style == kShadedBox) {
    DrawShadedNumberBox(options, kind, cellX, cellY, boxRight - 1, boxBottom);
  }

  SetCurrentX(cellX);
  SetCurrentY(cellY + 1);
  PrintTextInline(DayNumberText(options, kind, day));

  double entryX = cellX;
  const float smaller = ReducedFontSize(p.DataFontSize, 1);
  const float smallest = ReducedFontSize(p.DataFontSize, 2);
  if (style != kBigNumbers) {
    const float x0 = GetCurrentX();
    SetForeColor(p.DataColor);
    SetFontName(p.DataFontName);
    SetFontSize(smaller);
    PrintTextFitTwoLines(texts[0] + kCrLf, float(cellX + cellW));
    SetCurrentX(x0);
    if (options.OptRokuyou == 1 || options.OptMoonPhase == 1) {
      SetForeColor(p.DataColor);
      SetFontName(p.DefaultFontName);
      SetFontSize(smaller);
      GetDayAnnotations(source, day);
      if (options.OptRokuyou == 1) PrintTextInline(source.RokuyouText);
      if (options.OptMoonPhase == 1) PrintTextInline(source.MoonMarkText);
    }
    PrintTextNewLine(QString());
    SetCurrentY(GetCurrentY() + 1);
    entryX = cellX + 1;
  } else {
    GetDayAnnotations(source, day);
    QString annotation;
    if (options.OptRokuyou == 1 || options.OptMoonPhase == 1) {
      annotation = (source.RokuyouText + source.MoonMarkText).trimmed();
      SetForeColor(p.DataColor);
      SetFontName(p.DefaultFontName);
      SetFontSize(smallest);
      PrintTextFitOneLine(annotation, float(cellX + cellW));
    }
    SetForeColor(p.DataColor);
    const QString label = source.WeekNumberText + texts[0];
    if (!label.isEmpty()) {
      if (!annotation.isEmpty()) {
        SetFontSize(p.DefaultFontSize);
        PrintTextNewLine(QString());
        SetCurrentX(cellX);
        SetFontName(p.DataFontName);
        SetFontSize(smallest);
        PrintTextFitTwoLines(label + kCrLf, float(cellX + cellW));
      } else {
        SetFontName(p.DataFontName);
        SetFontSize(smallest);
        PrintTextFitTwoLines(u' ' + label + kCrLf, float(cellX + cellW));
        SetFontSize(p.DefaultFontSize);
        PrintTextNewLine(QString());
      }
    } else {
      SetFontSize(p.DefaultFontSize);
      PrintTextNewLine(QString());
    }
  }

  SetFontName(p.DataFontName);
  SetFontSize(smallest);
  for (qsizetype i = 1; i < texts.size(); ++i) {
    QString entry = texts[i];
    ApplyColourPrefix(options, entry);
    SetCurrentX(entryX + 0.5);
    switch (options.RightEdgeMode) {
      case 2: PrintWrappedText(entry + kCrLf, float(entryX + cellW)); break;
      case 3: PrintTextFitTwoLines(entry + kCrLf, float(entryX + cellW)); break;
      case 4: PrintTextNewLine(entry); break;
      default: PrintTextNewLine(CutEntryToCell(entry, cellW, GetFontSize())); break;
    }
  }
}

#include "MonthListPage.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "DayStyles.h"
#include "MonthTitle.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PrintSurface.h"
#include "core/print/StepRange.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/ColorTable.h"
#include "schedule/DayKind.h"
#include "schedule/SchedulePrintSource.h"
#include "core/text/StringHelpers.h"

namespace {

const QString kStacked = QStringLiteral("縦並び");

// The colour now on the surface as the text routines' inline colour
// character: 0 to 6 for the first colour indexes, 7 (back to the line's own
// colour) for any other.
QChar InlineColourCode() {
  const uint32_t current = uint32_t(GetForeColor());
  for (int k = 0; k <= 6; ++k)
    if (current == uint32_t(ColorByIndex(k))) return QChar(char16_t(k));
  return QChar(char16_t(7));
}

// Whole millimetres, halves to the even one (the rounding mode is the
// default to-nearest-even).
double NearestWholeMm(double x) { return std::nearbyint(x); }

}  // namespace

HourRange HourRangeOf(int hourRangeIndex) {
  switch (hourRangeIndex) {
    case 1: return {8, 19};
    case 2: return {8, 20};
    case 3: return {8, 21};
    case 4: return {8, 31};
    case 5: return {6, 23};
    case 6: return {0, 23};
    default: return {9, 19};
  }
}

QString HourNumberText(int hour, const HourRange& range, bool dotted) {
  const QString number = u' ' + QString::number(hour >= 24 ? hour - 24 : hour);
  if (!dotted) return number;
  if (hour == range.start || hour == 12 || hour == range.end || (hour == 18 && range.end > 19)) return number;
  return QStringLiteral(" .");
}

QString JoinedEntryLine(const ScheduleOptions& options, const QStringList& texts) {
  QString line;
  for (qsizetype i = 1; i < texts.size(); ++i) {
    QString entry = texts[i];
    ApplyColourPrefix(options, entry);
    line += InlineColourCode();
    line += entry;
    line += QChar(char16_t(7));
    line += u' ';
  }
  return line;
}

void DrawMonthListPage(SchedulePrintSource& source, int halfMonthPage, const QDate& pageFirstDay, double pageX1,
                       double pageX2) {
  const ScheduleOptions& options = source.PrintOptions();
  const PaperSettingsData& p = PaperSettings;
  const bool half = halfMonthPage != 0;
  const bool checkColumn = options.RuleFlags[1] == 1;
  const bool shading = options.OptShading == 1;
  const bool rulesUnderShading = shading && options.OptHorizontalRules == 1;
  const bool stacked = options.DesignStyleText == kStacked;
  const HourRange hours = HourRangeOf(options.HourRangeIndex);

  DrawPageFrame(pageX1, pageX2);

  const int slotCount = half ? 16 : 31;
  const double top = p.DataHeight, foot = p.FootHeight;
  const double bodyHeight = foot - top - 1;
  const double h = bodyHeight / slotCount;
  const double textGap = foot > 121 ? 1.0 : 0.1;

  // Background of a row slot: kind fills under rules, alternate shading, or
  // a plain rule between rows.
  const auto rowBackground = [&](int r, double y, DayKind kind, bool dayRow) {
    if (rulesUnderShading && dayRow) {
      if (kind != DayKind::Ordinary) FillBox(1, pageX1, y, pageX2, y + h, DayKindBackColor(options, kind));
      DrawStyledLine(1, pageX1, y, pageX2, y, p.LineColor);
    } else if (shading && !rulesUnderShading) {
      if (r % 2 == 1) FillBox(1, pageX1, y, pageX2, y + h, p.ShadeColor);
    } else if (r != 1) {
      DrawStyledLine(1, pageX1, y, pageX2, y, p.LineColor);
    }
  };

  double entryX = pageX1;
  // The tick step also spaces the hour numbers, so it exists even where no
  // tick is drawn; it takes the entry area of the last printed day.
  const auto tickStep = [&] { return (pageX2 - 2 - (entryX + 1)) / double(hours.end - hours.start); };

  QStringList texts;
  QDate day = pageFirstDay;
  int r = 0;
  while (day.isValid() && day.month() == pageFirstDay.month()) {
    ++r;
    if (half && r > 16) {
      --r;
      break;
    }
    double y;
    if (half) y = top + h * (r - 1);
    else if (checkColumn) y = top + bodyHeight / 32 * day.day();
    else y = top + h * (day.day() - 1);

    texts.clear();
    DayKind kind = DayKind::Ordinary;
    source.GetDaySchedule(day, texts, kind);
    if (texts.isEmpty()) texts << QString();
    rowBackground(r, y, kind, true);

    const double textY = y + textGap;
    SetFontName(p.DefaultFontName);
    SetFontSize(p.DefaultFontSize);
    SetForeColor(DayKindTextColor(options, kind));
    const QString number = QStringLiteral("%1").arg(day.day(), 2);
    SetCurrentX(pageX1 + 0.4);
    SetCurrentY(textY);
    if (stacked) {
      PrintTextInline(QStringLiteral(" "));
      PrintTextNewLine(number);
      SetCurrentX(pageX1 + 0.4);
      PrintTextInline(WeekdayLabel(options, day, kind));
      entryX = GetCurrentX();
    } else {
      PrintTextInline(number);
      PrintTextInline(WeekdayLabel(options, day, kind));
    }

    SetCurrentX(GetCurrentX() + 0.5);
    SetCurrentY(textY);
    SetFontName(p.DataFontName);
    SetFontSize(p.DataFontSize);
    SetForeColor(p.DataColor);
    GetDayAnnotations(source, day);
    PrintTextInline(source.RokuyouText);
    PrintTextInline(source.MoonMarkText);
    if (!stacked) entryX = GetCurrentX();
    if (!source.WeekNumberText.isEmpty()) PrintTextInline(source.WeekNumberText);
    if (!texts[0].isEmpty()) PrintTextInline(texts[0] + u' ');

    SetFontName(p.DataFontName);
    SetForeColor(p.DataColor);
    const float x0 = GetCurrentX();
    const QString line = JoinedEntryLine(options, texts);
    SetForeColor(p.DataColor);
    switch (options.RightEdgeMode) {
      case 1:
        SetCurrentX(x0 + 0.5);
        PrintClippedText(line, float(pageX2));
        break;
      case 2:
        SetCurrentX(x0 + 0.5);
        PrintWrappedText(line, float(pageX2));
        break;
      case 4:
        SetCurrentX(x0 + 0.5);
        PrintClippedText(line, 0);
        break;
      default:
        SetCurrentX(x0);
        PrintTextFitTwoLines(line + kCrLf, float(pageX2));
        break;
    }

    if (options.RuleFlags[0] == 0 && options.OptHourScale == 1 && !shading) {
      int hour = hours.start;
      ForEachStep(entryX + 1, pageX2, tickStep(), [&](double x) {
        const bool long_ = hour == 9 || hour == 12 || hour == 18;
        DrawStyledLine(1, x, y, x, y + (long_ ? 1.0 : 0.5), -1);
        ++hour;
      });
    }
    day = day.addDays(1);
  }

  if (!(half && r >= 16))
    for (int slot = r + 1; slot <= slotCount; ++slot) {
      const double y = top + h * (slot - 1);
      if (shading && !rulesUnderShading) {
        if (slot % 2 == 1) FillBox(1, pageX1, y, pageX2, y + h, p.ShadeColor);
      } else if (slot != 1) {
        DrawStyledLine(1, pageX1, y, pageX2, y, p.LineColor);
      }
    }

  if (options.RuleFlags[0] == 1) {
    DrawStyledLine(1, pageX1, top, pageX1, foot, p.LineColor);
    DrawStyledLine(1, entryX - 0.3, top, entryX - 0.3, foot, p.LineColor);
    if (options.OptHourScale == 1) {
      const int index = options.HourRangeIndex;
      if (index >= 1) {
        // Ranges from 8 get a column per hour with solid lines at 12, 18 and
        // 24; the other ranges follow the same rule over their own hours.
        const int columns = index <= 4 ? hours.end - 7 : hours.end - hours.start + 1;
        const int firstHour = index <= 4 ? 8 : hours.start;
        for (int i = 1; i <= columns; ++i) {
          const double x = entryX + i * (pageX2 - entryX) / columns;
          const int at = firstHour + i;
          const int style = index <= 4 ? (i == 4 || i == 10 || i == 16 ? 1 : -1)
                                       : (at == 12 || at == 18 || at == 24 ? 1 : -1);
          DrawStyledLine(style, x, top, x, foot, p.LineColor);
        }
      } else {
        for (const double part : {3.0 / 9, 7.0 / 9}) {
          const double x = entryX + part * (pageX2 - entryX);
          DrawStyledLine(-1, x, top, x, foot, p.LineColor);
        }
      }
    }
    DrawStyledLine(1, pageX2, top, pageX2, foot, p.LineColor);
  }

  if (checkColumn && !half) {
    const double xc = pageX1 + (pageX2 - pageX1) * 2 / 3;
    DrawStyledLine(-1, xc, top, xc, foot, p.LineColor);
    DrawStyledLine(-1, xc + 3, top, xc + 3, foot, p.LineColor);
  }

  if (!half) {
    const int divisions = std::clamp(source.PrintControls().cmb_tatekei, 0, 5);
    double x = NearestWholeMm(entryX);
    for (int k = 0; k < divisions; ++k) {
      x = NearestWholeMm(x + (pageX2 - entryX) / (divisions + 1));
      DrawStyledLine(-1, x, top, x, foot, p.LineColor);
    }
  }

  const double titleBottom = DrawMonthTitle(options, pageFirstDay, pageX1, pageX2);

  if (!checkColumn && options.HourRangeIndex != 0) {
    SetFontName(p.DataFontName);
    SetFontSize(5);
    SetForeColor(p.DataColor);
    const double w = HalfCharWidthMm(5);
    // The header band is often too low for a title and a row of numbers
    // above each other: the numbers then go under the title rather than
    // into it, and the title and the grid keep their places.
    const double hourTop = std::max(top - 2 * w, titleBottom);
    int hour = hours.start;
    ForEachStep(entryX + 1, pageX2, tickStep(), [&](double x) {
      const QString t = HourNumberText(hour, hours, options.OptDottedScale != 0);
      SetCurrentX(x);
      SetCurrentY(hourTop);
      PrintTextInline(t);
      SetCurrentX(x);
      SetCurrentY(foot + 0.2 * w);
      PrintTextInline(t);
      ++hour;
    });
  }

  DrawPageFooter(QString(), pageX1, pageX2);
}
